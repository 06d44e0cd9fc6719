#include "cli/command_line.h"

#include "app/job_state.h"
#include "app/setting_table.h"
#include "app/settings.h"
#include "cli/console_run.h"
#include "cli/help.h"
#include "cli/profile.h"
#include "cli/setting_options.h"
#include "i18n/text_table.h"
#include "platform/console.h"
#include "app/product.h"
#include "themes/theme_packages.h"

namespace {

constexpr const char* kIncorrectParameters = "Incorrect number of parameters";

// A quoted value split by the shell over several arguments is joined again:
// the arguments up to the one that ends with a double quote, one space
// between them. i moves past what was consumed.
std::string JoinQuoted(const ArgumentList& arguments, size_t& i, std::string value) {
  if (!value.starts_with('"') || value.ends_with('"')) return value;
  while (i + 1 < arguments.size()) {
    const std::string part = OptionValue(arguments, ++i);
    value += " " + part;
    if (part.ends_with('"')) break;
  }
  return value;
}

bool IsShortValueOption(const std::string& name) { return name == "-I" || name == "-O" || name == "-C"; }

// The value of "-i"/"--input" style options; false when it is missing.
bool PathValue(const ArgumentList& arguments, size_t& i, const std::string& name, bool joinQuotes,
               std::string& value) {
  value = IsShortValueOption(name) ? OptionValue(arguments, ++i) : OptionValue(arguments, i);
  // A long form without "=" yields the option itself, which starts with "-".
  if (value.empty() || value.starts_with('-')) return false;
  if (joinQuotes) value = JoinQuoted(arguments, i, value);
  value = StripQuotes(value);
  return true;
}

// The value of a setting option: false when it is missing.
bool SettingValue(const ArgumentList& arguments, size_t& i, const SettingDef& def, std::string& value) {
  if (def.optionKind == OptionKind::SetsOne || def.optionKind == OptionKind::SetsZero) return true;
  value = OptionValue(arguments, i);
  if (value.empty() || value.starts_with("--")) return false;
  if (def.optionKind == OptionKind::Text) value = StripQuotes(JoinQuoted(arguments, i, value));
  return true;
}

// Applies the option at i; false with the error message on an error.
bool ApplyOption(const ArgumentList& arguments, size_t& i, CommandLine& line) {
  const std::string name = OptionName(arguments, i);
  if (name.empty()) return true;
  std::string value;
  if (name == "-I" || name == "--INPUT") {
    g_job.ConsoleInputGiven = true;
    if (!PathValue(arguments, i, name, true, value)) return false;
    g_job.InputPath = value;
  } else if (name == "-O" || name == "--OUTPUT") {
    if (!PathValue(arguments, i, name, true, value)) return false;
    g_job.OutputFolder = value;
  } else if (name == "-C" || name == "--CONVERSION") {
    if (!PathValue(arguments, i, name, false, value)) return false;
    g_job.OutputFormat = value;
  } else if (name == "--PROFILE") {
    value = OptionValue(arguments, i);
    if (value.empty() || value.starts_with("--")) return false;
    if (!LoadProfile(StripQuotes(JoinQuoted(arguments, i, value)))) {
      line.error = "Invalid profile file";
      return false;
    }
  } else if (name == "-D" || name == "--DEBUG") {
    g_job.RunMarker = "DEBUG";
  } else if (name == "-Q" || name == "--QUIET") {
    line.quiet = true;
  } else if (name == "-P" || name == "--PAUSE") {
    line.pause = true;
  } else if (const SettingDef* def = FindSettingByOption(name)) {
    if (!SettingValue(arguments, i, *def, value)) return false;
    ApplySettingOption(*def, value);
  }
  return true;
}

std::optional<CommandAction> FirstArgumentAction(const ArgumentList& arguments) {
  const std::string first = OptionName(arguments, 0);
  if (first == "-V" || first == "--VERSION") return CommandAction::Version;
  if (first == "-H" || first == "-?" || first == "--HELP") return CommandAction::Help;
  if (first == "-U") return CommandAction::UninstallFeedback;
  if (first == "-T") return CommandAction::ScreenshotMode;
  return std::nullopt;
}

// The screenshot shows the main window with the theme's pictures; the
// marker keeps the scheduled update check away.
int StartScreenshotMode(const ArgumentList& arguments, const AuxiliaryRuns& auxiliary) {
  if (!auxiliary.screenshotMode) return kExitConverted;
  LoadWindowPictures();
  g_job.RunMarker = "T";
  return auxiliary.screenshotMode(OptionValue(arguments, 1));
}

}  // namespace

void PrepareConsolePath() {
  ResetJobState();
  ApplyDefaults(DefaultsVariant::Console);
  LoadLanguage();
}

CommandLine ParseArguments(const ArgumentList& arguments) {
  CommandLine line;
  if (const auto action = FirstArgumentAction(arguments)) {
    line.action = *action;
    return line;
  }
  for (size_t i = 0; i < arguments.size(); ++i) {
    if (!ApplyOption(arguments, i, line)) {
      if (line.error.empty()) line.error = kIncorrectParameters;
      line.action = CommandAction::ArgumentError;
      return line;
    }
  }
  if (g_job.ConsoleInputGiven) line.action = CommandAction::ConsoleRun;
  return line;
}

std::optional<int> ParseCommandLine(const ArgumentList& arguments, const AuxiliaryRuns& auxiliary) {
  if (arguments.empty()) return std::nullopt;
  PrepareConsolePath();
  const CommandLine line = ParseArguments(arguments);
  if (line.action == CommandAction::Windowed) return std::nullopt;
  if (line.action == CommandAction::UninstallFeedback)
    return auxiliary.uninstallFeedback ? auxiliary.uninstallFeedback() : kExitConverted;
  if (line.action == CommandAction::ScreenshotMode) return StartScreenshotMode(arguments, auxiliary);

  ConsoleSetTitle(ProductTitle());
  int status = kExitConverted;
  switch (line.action) {
    case CommandAction::Version:
      PrintVersion();
      break;
    case CommandAction::Help:
      PrintHelp();
      break;
    case CommandAction::ArgumentError:
      ConsoleWriteLine("Error: " + line.error);
      if (line.pause) ConsoleReadKey();
      status = kExitError;
      break;
    case CommandAction::ConsoleRun:
      if (!line.quiet) PrintBanner();
      status = RunConsole(line.quiet);
      if (line.pause) {
        ConsoleWriteLine("Press any key to exit.");
        ConsoleReadKey();
      }
      break;
    case CommandAction::Windowed:
    case CommandAction::UninstallFeedback:
    case CommandAction::ScreenshotMode:
      break;
  }
  ConsoleClose();
  return status;
}
