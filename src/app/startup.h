#pragma once
// Start-up shared by both modes.
#include "cli/option_values.h"

// The windowed application: started when the arguments select no console
// action; returns the exit status.
using WindowedStart = int (*)(int argc, char** argv);

// Runs the program and returns the process exit status.
int RunProgram(int argc, char** argv, WindowedStart windowed);
