#pragma once
// Numbered keyword vocabularies for choices on the command line, in profiles
// and in the console's debug lines.
#include <string>

inline constexpr int kKeywordSetCount = 23;

// Upper-cases text and returns the value of the first equal keyword of the
// set; 0 for no match and for the reverse-only sets 14 and 15.
int ParseKeyword(int set, const std::string& text);
// The first keyword of the set whose value is value; "" when none.
std::string KeywordText(int set, int value);
