#pragma once
// The placeholder filler: fills "%s1%" to "%s4%" of a text.
#include <string>
#include <string_view>

// For each non-empty argument, replaces every "%s1%" .. "%s4%" respectively
// (placeholder matched regardless of letter case) by it; placeholders whose
// argument is empty stay; an empty template gives "".
std::string FormatText(std::string_view templ, std::string_view a1 = "",
                       std::string_view a2 = "", std::string_view a3 = "",
                       std::string_view a4 = "");

// Integer arguments, written in decimal (0 gives "0", which fills its
// placeholder), e.g. FormatText(GetText("Msg", "Files converted"), done, total).
std::string FormatText(std::string_view templ, long long a1);
std::string FormatText(std::string_view templ, long long a1, long long a2);
