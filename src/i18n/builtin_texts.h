#pragma once
// The built-in English text list: an ordered sequence of
// (key, text) pairs. A pair whose key is "_GROUP_" opens a group named by its
// text; the pair whose key is "_END_" ends the list; every other pair is an
// entry of the group opened last. Texts are UTF-8; line breaks are CR LF.
#include <span>

struct BuiltinText {
  const char* key;
  const char* text;
};

// The whole list, from the first "_GROUP_" pair to the "_END_" pair included.
std::span<const BuiltinText> BuiltinTexts();
