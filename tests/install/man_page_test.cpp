// The manual page has an entry for every setting option the program reads,
// showing whether it takes a value, and listing every keyword it accepts.
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "app/keywords.h"
#include "app/setting_table.h"
#include "app/text_util.h"
#include "support/sandbox.h"

namespace {

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  for (size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size()) text.replace(at, from.size(), to);
  return text;
}

// The page as a reader sees its words: continued lines joined, "\-" a
// minus, font changes and zero-width marks gone, all in lower case.
std::string PlainPage() {
  std::string text = ReadFile(std::string(VELMORA_SOURCE_DIR) + "/docs/velmora.1");
  text = ReplaceAll(text, "\\\n", "");
  text = ReplaceAll(text, "\\-", "-");
  for (const char* escape : {"\\fB", "\\fI", "\\fR", "\\fP", "\\&"}) text = ReplaceAll(text, escape, "");
  return AsciiLower(text);
}

// A tagged entry of the page: the tag line after ".TP" and the text up to
// the next entry, paragraph or heading.
struct Entry {
  std::string tag;
  std::string body;
};

std::vector<Entry> Entries(const std::string& page) {
  std::vector<Entry> entries;
  bool inEntry = false, tagNext = false;
  size_t start = 0;
  while (start < page.size()) {
    size_t end = page.find('\n', start);
    if (end == std::string::npos) end = page.size();
    const std::string line = page.substr(start, end - start);
    start = end + 1;
    if (line.starts_with(".tp")) {
      entries.emplace_back();
      inEntry = tagNext = true;
    } else if (line.starts_with(".pp") || line.starts_with(".sh") || line.starts_with(".ss")) {
      inEntry = false;
    } else if (tagNext) {
      entries.back().tag = line;
      tagNext = false;
    } else if (inEntry) {
      entries.back().body += line + "\n";
    }
  }
  return entries;
}

bool IsNameCharacter(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '-'; }

// Where `word` stands in `text` as a whole word; npos when it does not.
size_t FindWord(const std::string& text, const std::string& word) {
  for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
    const size_t after = at + word.size();
    const bool startsWord = at == 0 || !IsNameCharacter(text[at - 1]);
    const bool endsWord = after == text.size() || !IsNameCharacter(text[after]);
    if (startsWord && endsWord) return at;
  }
  return std::string::npos;
}

const Entry* EntryNaming(const std::vector<Entry>& entries, const std::string& option) {
  for (const Entry& entry : entries)
    if (FindWord(entry.tag, option) != std::string::npos) return &entry;
  return nullptr;
}

bool TakesValue(const SettingDef& def) {
  return def.optionKind != OptionKind::SetsOne && def.optionKind != OptionKind::SetsZero;
}

class ManualPage : public testing::Test {
 protected:
  const std::vector<Entry> entries = Entries(PlainPage());
};

TEST_F(ManualPage, NamesEverySettingOptionWithOrWithoutAValue) {
  ASSERT_FALSE(entries.empty());
  for (const SettingDef& def : SettingTable()) {
    if (!def.option) continue;
    const std::string option = AsciiLower(def.option);
    const Entry* entry = EntryNaming(entries, option);
    ASSERT_TRUE(entry) << option << " has no entry";
    const size_t at = FindWord(entry->tag, option);
    const bool shownWithValue = entry->tag.compare(at + option.size(), 1, "=") == 0;
    EXPECT_EQ(shownWithValue, TakesValue(def)) << option;
  }
}

TEST_F(ManualPage, ListsEveryKeywordOfAnOption) {
  for (const SettingDef& def : SettingTable()) {
    if (!def.option || def.optionKind != OptionKind::Keyword) continue;
    const std::string option = AsciiLower(def.option);
    const Entry* entry = EntryNaming(entries, option);
    ASSERT_TRUE(entry) << option;
    for (int value = 0; !KeywordText(def.keywordSet, value).empty(); ++value) {
      const std::string keyword = AsciiLower(KeywordText(def.keywordSet, value));
      EXPECT_NE(FindWord(entry->body, keyword), std::string::npos) << option << " does not list " << keyword;
    }
  }
}

TEST_F(ManualPage, NamesTheProfileSpellings) {
  const std::string page = PlainPage();
  for (const SettingDef& def : SettingTable()) {
    if (!def.profileOption) continue;
    EXPECT_NE(FindWord(page, AsciiLower(def.profileOption)), std::string::npos) << def.profileOption;
  }
}

}  // namespace
