#include "i18n/text_table.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "app/text_util.h"
#include "i18n/builtin_texts.h"

// Texts are held as UTF-8 rather than UTF-16. All keys and group names are
// ASCII, so comparing std::strings byte by byte (std::char_traits<char>
// compares as unsigned char) gives the same order as UTF-16 code units, and
// the separator U+0001 is the single byte 0x01 in either form. Each key's
// first character is thus its first byte, always below 256.

namespace {

struct TextGroup {
  std::string Name;             // upper-cased
  uint32_t First = 1;           // first entry index; First > Last: empty
  uint32_t Last = 0;            // last entry index
  std::array<uint32_t, 256> FirstByChar{};  // first sorted key per first char, 0 = none
};

constexpr char kSeparator = '\x01';

std::vector<TextGroup> Groups;     // record 0 exists and is never matched
std::vector<std::string> TextKeys;    // slot 0 holds nothing
std::vector<std::string> TextValues;  // parallel to TextKeys
size_t CurrentGroup = 0;              // cache: group of the last lookup, 0 = none

void SortGroup(TextGroup& group) {
  if (group.First > group.Last) return;
  auto begin = TextKeys.begin() + group.First;
  auto end = TextKeys.begin() + group.Last + 1;
  // Whole "KEY\x01text" strings: the separator sorts below every printable
  // character, so a key that is a prefix of another sorts before it.
  std::sort(begin, end);
  for (uint32_t i = group.First; i <= group.Last; ++i) {
    std::string& stored = TextKeys[i];
    const size_t at = stored.find(kSeparator);
    TextValues[i] = stored.substr(at + 1);
    stored.resize(at);
  }
  unsigned char last_char = 0;
  for (uint32_t i = group.First; i <= group.Last; ++i) {
    if (TextKeys[i].empty()) continue;  // never the case for built-in keys
    const unsigned char c = static_cast<unsigned char>(TextKeys[i][0]);
    if (c != last_char) {
      group.FirstByChar[c] = i;
      last_char = c;
    }
  }
}

// Index of the group named `upper_group` (already upper-cased), using and
// updating the cache; 0 when none matches.
size_t FindGroup(const std::string& upper_group) {
  if (CurrentGroup >= Groups.size()) CurrentGroup = 0;
  if (!Groups.empty() && Groups[CurrentGroup].Name == upper_group) return CurrentGroup;
  CurrentGroup = 0;
  for (size_t g = 1; g < Groups.size(); ++g) {
    if (Groups[g].Name == upper_group) {
      CurrentGroup = g;
      break;
    }
  }
  return CurrentGroup;
}

}  // namespace

void LoadLanguage() {
  const std::span<const BuiltinText> list = BuiltinTexts();

  // First pass: count groups and entries up to "_END_".
  size_t group_count = 0;
  size_t entry_count = 0;
  for (const BuiltinText& pair : list) {
    const std::string key = AsciiUpper(pair.key);
    if (key == "_END_") break;
    if (key == "_GROUP_")
      ++group_count;
    else
      ++entry_count;
  }

  Groups.assign(group_count + 1, TextGroup{});
  TextKeys.assign(entry_count + 1, std::string());
  TextValues.assign(entry_count + 1, std::string());
  CurrentGroup = 0;

  // Second pass: fill the records and the "KEY\x01text" slots.
  size_t current = 0;
  uint32_t stored = 0;
  for (const BuiltinText& pair : list) {
    const std::string key = AsciiUpper(pair.key);
    if (key == "_END_") break;
    if (key == "_GROUP_") {
      Groups[current].Last = stored;
      ++current;
      TextGroup& group = Groups[current];
      group.Name = AsciiUpper(pair.text);
      group.First = stored + 1;
      group.FirstByChar.fill(0);
    } else {
      ++stored;
      TextKeys[stored] = key + kSeparator + pair.text;
    }
  }
  Groups[current].Last = stored;
  // Record 0 stays empty (First 1 > Last 0) and is never matched.
  Groups[0] = TextGroup{};

  for (size_t g = 1; g < Groups.size(); ++g) SortGroup(Groups[g]);
}

std::string GetText(std::string_view group, std::string_view key) {
  const std::string upper_group = AsciiUpper(group);
  const std::string upper_key = AsciiUpper(key);

  const size_t g = FindGroup(upper_group);
  if (g == 0) return std::string(kNoStringError);
  const TextGroup& record = Groups[g];

  // An empty key has code 0, where no key begins.
  const unsigned char c = upper_key.empty() ? 0 : static_cast<unsigned char>(upper_key[0]);
  uint32_t i = record.FirstByChar[c];
  if (i == 0) return std::string(kNoStringError);

  for (; i <= record.Last; ++i) {
    const int order = upper_key.compare(TextKeys[i]);
    if (order == 0) return TextValues[i];
    if (order < 0) break;  // sorted: the key cannot come later
  }
  return std::string(kNoStringError);
}

int TextGroupEntryCount(std::string_view group) {
  const std::string upper_group = AsciiUpper(group);
  for (size_t g = 1; g < Groups.size(); ++g) {
    if (Groups[g].Name == upper_group) {
      const TextGroup& record = Groups[g];
      return record.First > record.Last ? 0 : int(record.Last - record.First + 1);
    }
  }
  return -1;
}
