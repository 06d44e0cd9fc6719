#include "themes/theme_config.h"

#include <gtest/gtest.h>

TEST(ReadConfigValue, FindsKeysOnlyByTheLineRules) {
  const struct {
    const char* text;
    const char* key;
    const char* value;
  } cases[] = {
      {"[Theme]\r\nName=Blue Sky\r\n", "Name", "Blue Sky"},
      {"[Theme]\r\nname = Blue Sky\t\r\n", "Name", "Blue Sky"},
      {"[THEME]\r\nNAME=Blue Sky\r\n", "name", "Blue Sky"},
      {"[Theme]\nName=Blue Sky\n", "Name", ""},                          // LF-only lines
      {"[Theme]\r\nName=Blue Sky", "Name", ""},                          // last line not ended
      {"[Theme]\r\nNameless=x\r\n", "Name", "x"},                        // longer key matches too
      {"[Theme]\r\nNameX=first\r\nName=second\r\n", "Name", "first"},    // the first match wins
      {"[Theme]\r\nName=Blue=Sky=Night\r\n", "Name", "Blue"},            // up to the second "="
      {"[Theme]\r\nName  Blue\r\n", "Name", ""},                         // no "=" at all
      {"[Theme]\r\nName=\r\n", "Name", ""},
      {"[Other]\r\nName=x\r\n[Theme]\r\nKey=y\r\n", "Name", ""},         // before the group
      {"[Theme]\r\nKey=y\r\n[Icons]\r\nName=x\r\n", "Name", ""},         // in the next group
      {"[Theme]\r\nKey=[y]\r\nName=x\r\n", "Name", ""},                  // any "[" ends the group
      {"[Icons]\r\nName=x\r\n", "Name", ""},                             // no such group
      {"[Theme]Name=x\r\n", "Name", ""},                                 // not at a line start
  };
  for (const auto& c : cases) EXPECT_EQ(ReadConfigValue(c.text, "Theme", c.key), c.value) << c.text;
}

TEST(ReadConfigValue, StripsSpacesThenTabsThenCrThenLf) {
  const struct {
    const char* value;
    const char* stripped;
  } cases[] = {
      {" \tBlue\t ", "Blue"},      // spaces first uncover the tabs
      {"\t Blue", " Blue"},        // a space behind a tab stays
      {" Blue\r", "Blue"},         // the CR hides no space at the end
      {"Blue \r", "Blue "},        // but the space before it stays
      {"\nBlue\n", "Blue"},
      {"\r\tBlue", "\tBlue"},      // tabs go before CR, so this tab stays
  };
  for (const auto& c : cases) {
    const std::string text = std::string("[Theme]\r\nName=") + c.value + "\r\n";
    EXPECT_EQ(ReadConfigValue(text, "Theme", "Name"), c.stripped) << '"' << c.value << '"';
  }
}
