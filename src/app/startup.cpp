#include "app/startup.h"

#include <FreeImage.h>

#include "app/product.h"
#include "themes/icon_slots.h"
#include "cli/command_line.h"
#include "platform/console.h"
#include "platform/folders.h"
#include "platform/instance_lock.h"

namespace {

struct FreeImageLibrary {
  FreeImageLibrary() { FreeImage_Initialise(FALSE); }
  ~FreeImageLibrary() { FreeImage_DeInitialise(); }
};

bool ShowsWindows(CommandAction action) {
  return action == CommandAction::Windowed || action == CommandAction::UninstallFeedback ||
         action == CommandAction::ScreenshotMode;
}

// Another instance holds the lock. A start that shows windows ends silently;
// a console action says why, on standard error, so scripts can tell it from
// success.
int RefusedStart(const ArgumentList& arguments, InstanceLock::Result result) {
  if (arguments.empty()) return 0;
  PrepareConsolePath();
  if (ShowsWindows(ParseArguments(arguments).action)) return 0;
  ConsoleWriteError(result == InstanceLock::HeldElsewhere
                        ? "Error: another instance of " + ProductTitle() + " is running"
                        : "Error: the instance lock of " + ProductTitle() + " cannot be created in " + RuntimeFolder());
  return kExitInstanceRunning;
}

}  // namespace

int RunProgram(int argc, char** argv, WindowedStart windowed, UninstallStart uninstallFeedback,
               ScreenshotStart screenshotMode) {
  const ArgumentList arguments(argv + 1, argv + argc);
  FillIconSlotTables();
  InstanceLock lock;
  if (const InstanceLock::Result result = lock.Acquire(ProductTitle()); result != InstanceLock::Acquired)
    return RefusedStart(arguments, result);
  FreeImageLibrary freeImage;
  const AuxiliaryRuns auxiliary{
      [&] { return uninstallFeedback(argc, argv); },
      [&](const std::string& folder) { return screenshotMode(argc, argv, folder); },
  };
  if (const std::optional<int> status = ParseCommandLine(arguments, auxiliary)) return *status;
  return windowed(argc, argv);
}
