#pragma once
// Where the program and its per-user files live.
#include <string>

// Full path of the running executable.
std::string ProgramFileName();
// Folder of the running executable, with a trailing "/".
std::string ProgramFolder();
// $XDG_CONFIG_HOME, or $HOME/.config; "" when neither is known.
std::string UserConfigFolder();
// $XDG_RUNTIME_DIR, or /tmp when it is unset or not a folder.
std::string RuntimeFolder();
// Folder holding the themes and the manual: beside the program when a "gfx"
// folder is there (build tree), otherwise <prefix>/share/velmora/.
std::string ProgramDataFolder();
