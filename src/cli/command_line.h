#pragma once
// What a start with arguments does: help, version, an argument error, a
// console conversion, one of the two auxiliary windowed runs, or nothing
// (the windowed application starts).
#include <functional>
#include <optional>
#include <string>

#include "cli/option_values.h"

enum class CommandAction { Windowed, Version, Help, ArgumentError, ConsoleRun, UninstallFeedback, ScreenshotMode };

struct CommandLine {
  CommandAction action = CommandAction::Windowed;
  std::string error;
  bool quiet = false;
  bool pause = false;
};

// Exit statuses of the console paths.
inline constexpr int kExitConverted = 0;
inline constexpr int kExitError = 1;
inline constexpr int kExitNothingConverted = 2;
inline constexpr int kExitInstanceRunning = 3;

// Registries, a fresh job, the console defaults and the text table, as a
// console start needs them before any option is read.
void PrepareConsolePath();
// Reads the options into g_settings and g_job (after PrepareConsolePath).
CommandLine ParseArguments(const ArgumentList& arguments);
// The runs of "-U" and "-T" (with its destination folder) show windows; the
// windowed side hands them in, so this side never needs the toolkit. Each
// returns the exit status; a missing one does nothing.
struct AuxiliaryRuns {
  std::function<int()> uninstallFeedback;
  std::function<int(const std::string& folder)> screenshotMode;
};

// Runs what the arguments select and returns the exit status, or nothing
// when the windowed application is to start.
std::optional<int> ParseCommandLine(const ArgumentList& arguments, const AuxiliaryRuns& auxiliary = {});
