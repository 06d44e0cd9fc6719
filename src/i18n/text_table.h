#pragma once
// The program's string table, built from the built-in English
// texts, addressed by a group name and a key.
#include <string>
#include <string_view>

inline constexpr std::string_view kNoStringError = "%NO_STRING_ERROR%";

// Builds the whole table from the built-in list. Called once at start-up
// (windowed and console alike) before any text is asked for; calling it again
// rebuilds the table from scratch.
void LoadLanguage();

// The text stored for key in group, or "%NO_STRING_ERROR%" when the group or
// the key is not in the table. Group and key are matched regardless of ASCII
// letter case. Not thread-safe (it updates the current-group cache).
std::string GetText(std::string_view group, std::string_view key);

// Number of entries of the group (matched regardless of case), or -1 when the
// group is not in the table. For checks of the table's content.
int TextGroupEntryCount(std::string_view group);
