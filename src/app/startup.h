#pragma once
// Start-up and shutdown shared by both modes.
#include "cli/option_values.h"

// Runs the program with its arguments (without the program name) and
// returns the process exit status.
int RunProgram(const ArgumentList& arguments);
