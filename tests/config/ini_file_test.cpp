#include "config/ini_file.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(IniFile, ReadingRules) {
  IniFile file;
  file.Parse("\xEF\xBB\xBF\r\n[General]\r\n CFG = 19\r\n; comment = 1\r\n\tLanguage=en  \r\n"
             "[Watermark]\r\nText =   two  words  \r\nEmpty=\r\nweird key\t = v=w\r\n"
             "[general]\r\nUpdate Range = 3\r\nno equals sign\r\n");
  EXPECT_EQ(file.Value("GENERAL", "cfg"), "19");
  EXPECT_EQ(file.Value("General", "Language"), "en");
  EXPECT_EQ(file.Value("General", "comment"), std::nullopt);
  EXPECT_EQ(file.Value("general", "Update Range"), "3");  // a repeated section continues the first
  EXPECT_EQ(file.Value("Watermark", "Text"), "two  words");
  EXPECT_EQ(file.Value("Watermark", "Empty"), "");
  EXPECT_EQ(file.Value("Watermark", "weird key"), "v=w");
  EXPECT_EQ(file.Value("Watermark", "CFG"), std::nullopt);  // only within its section
  EXPECT_EQ(file.Value("Missing", "CFG"), std::nullopt);
}

TEST(IniFile, KeysBeforeAnySectionAndLatin1) {
  IniFile file;
  file.Parse("orphan=1\n[S]\nk=\xE9t\xE9\n");
  EXPECT_EQ(file.Section("S")->entries.size(), 1u);
  EXPECT_EQ(file.Value("S", "k"), "\xC3\xA9t\xC3\xA9");
}

TEST(IniFile, RepeatedKeysKeepFileOrder) {
  IniFile file;
  file.Parse("[CLI]\na=1\nb=2\na=3\n");
  const IniSection* section = file.Section("cli");
  ASSERT_NE(section, nullptr);
  ASSERT_EQ(section->entries.size(), 3u);
  EXPECT_EQ(section->entries[2].value, "3");
  EXPECT_EQ(file.Value("CLI", "a"), "1");
}

TEST(IniFile, IntegerAndRealReaders) {
  const struct {
    const char* text;
    int64_t value;
  } integers[] = {{"12abc", 12}, {"  -7", -7}, {"+3", 3}, {"abc", 0}, {"", 0}, {"$10", 0}, {"1 2", 1}};
  for (const auto& c : integers) EXPECT_EQ(ReadIniInteger(c.text), c.value) << c.text;
  EXPECT_FLOAT_EQ(ReadIniReal("2.200000"), 2.2f);
  EXPECT_FLOAT_EQ(ReadIniReal("1e-1"), 0.1f);
  EXPECT_FLOAT_EQ(ReadIniReal("abc"), 0.0f);
  EXPECT_FLOAT_EQ(ReadIniReal("inf"), 0.0f);
  EXPECT_TRUE(std::isinf(ReadIniReal("+INFINITY")) && ReadIniReal("+INFINITY") > 0);
  EXPECT_TRUE(std::isinf(ReadIniReal("-infinity")) && ReadIniReal("-infinity") < 0);
  EXPECT_TRUE(std::isnan(ReadIniReal("nan")));
}
