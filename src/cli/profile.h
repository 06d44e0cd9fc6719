#pragma once
// Profile files: INI files whose section "CLI" holds option names as keys.
#include <string>

// Applies the keys of the "CLI" section to the settings in file order.
// False when the path is empty or the file cannot be opened.
bool LoadProfile(const std::string& path);
