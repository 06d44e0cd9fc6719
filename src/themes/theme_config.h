#pragma once
// The reader of a theme package's theme.cfg text.
#include <string>
#include <string_view>

// The value of `key` in `group`, or "" when there is none. Packages in use
// were written for exactly these rules, so they stay as they are: letter
// case is ignored; the group runs from "[group]" to the next "["; a key is
// found only at the start of a line ended by CR LF, and also as the prefix
// of a longer key; the value lies between the first and second "=" of the
// line and is stripped of spaces, then tabs, then CR, then LF at both ends.
std::string ReadConfigValue(std::string_view text, std::string_view group, std::string_view key);
