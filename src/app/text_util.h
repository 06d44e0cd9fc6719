#pragma once
// Small text helpers shared by every subsystem. ASCII-only case mapping: all
// keys, options and keywords of the program are ASCII.
#include <cstdint>
#include <string>
#include <string_view>

std::string AsciiUpper(std::string_view text);
std::string AsciiLower(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);
// Position of needle in haystack ignoring ASCII case, or npos.
size_t FindIgnoreCase(std::string_view haystack, std::string_view needle, size_t from = 0);
// Replaces every occurrence of needle (any letter case) by replacement.
std::string ReplaceAllIgnoreCase(std::string_view text, std::string_view needle,
                                 std::string_view replacement);
// The integer at the start of text: blanks and tabs skipped, an optional
// sign, then decimal digits or, with radixPrefixes, "$" and hexadecimal or
// "%" and binary digits, up to the first other character. No digits give 0;
// the value wraps modulo 2^64.
int64_t ReadLeadingInteger(std::string_view text, bool radixPrefixes);
// Each byte of ISO 8859-1 text is the character of the same code.
std::string Latin1ToUtf8(std::string_view bytes);
bool IsValidUtf8(std::string_view bytes);
// Removes the characters of `chars` from both ends.
std::string Trim(std::string_view text, std::string_view chars = " ");
