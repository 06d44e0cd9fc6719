#pragma once
// Start-up shared by both modes.
#include <string>

#include "cli/option_values.h"

// The windowed application: started when the arguments select no console
// action; returns the exit status.
using WindowedStart = int (*)(int argc, char** argv);
// The auxiliary windowed runs that the first argument selects: "-U", and
// "-T" with its destination folder; each returns the exit status.
using UninstallStart = int (*)(int argc, char** argv);
using ScreenshotStart = int (*)(int argc, char** argv, const std::string& folder);

// Runs the program and returns the process exit status.
int RunProgram(int argc, char** argv, WindowedStart windowed, UninstallStart uninstallFeedback,
               ScreenshotStart screenshotMode);
