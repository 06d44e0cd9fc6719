// Profile files applied to the settings, as "--profile" does.
#include "cli/command_line.h"
#include "cli/profile.h"
#include "fuzz_support.h"

FUZZ_TARGET(profile) {
  static const bool prepared = (PrepareConsolePath(), true);
  (void)prepared;
  LoadProfile(WriteFuzzFile("profile.ini", data, size));
  return 0;
}
