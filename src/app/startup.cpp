#include "app/startup.h"

#include <FreeImage.h>

#include "app/product.h"
#include "themes/icon_slots.h"
#include "cli/command_line.h"
#include "platform/console.h"
#include "platform/instance_lock.h"

namespace {

struct FreeImageLibrary {
  FreeImageLibrary() { FreeImage_Initialise(FALSE); }
  ~FreeImageLibrary() { FreeImage_DeInitialise(); }
};

// Another instance holds the lock. A windowed start ends silently; a console
// action says why, on standard error, so scripts can tell it from success.
int RefusedStart(const ArgumentList& arguments) {
  if (arguments.empty()) return 0;
  PrepareConsolePath();
  if (ParseArguments(arguments).action == CommandAction::Windowed) return 0;
  ConsoleWriteError("Error: another instance of " + ProductTitle() + " is running");
  return kExitInstanceRunning;
}

}  // namespace

int RunProgram(int argc, char** argv, WindowedStart windowed) {
  const ArgumentList arguments(argv + 1, argv + argc);
  FillIconSlotTables();
  InstanceLock lock;
  if (!lock.Acquire(ProductTitle())) return RefusedStart(arguments);
  FreeImageLibrary freeImage;
  if (const std::optional<int> status = ParseCommandLine(arguments)) return *status;
  return windowed(argc, argv);
}
