#pragma once
// The texts the Preferences window reads back: comma-separated lists of
// fonts and colours, and one-line fields.
#include <string>
#include <string_view>
#include <vector>

// The entries of a comma-separated list, trimmed of spaces; empty entries
// are left out, so a stray comma never turns into an item.
std::vector<std::string> ListEntries(std::string_view list);
// The list with the entry appended after a comma (the entry alone when the
// list is empty).
std::string AppendedToList(std::string_view list, std::string_view entry);
// Tabs, carriage returns and line feeds removed everywhere, then spaces
// trimmed at both ends.
std::string CleanText(std::string_view text);
