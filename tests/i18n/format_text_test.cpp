#include "i18n/format_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct FormatCase {
  const char* templ;
  const char* a1;
  const char* a2;
  const char* a3;
  const char* a4;
  const char* expected;
};

TEST(FormatTextTest, TableOfCases) {
  const FormatCase cases[] = {
      // Empty template.
      {"", "", "", "", "", ""},
      {"", "x", "y", "z", "w", ""},
      // No placeholders.
      {"plain text", "a", "b", "c", "d", "plain text"},
      // All four.
      {"%s1%-%s2%-%s3%-%s4%", "a", "b", "c", "d", "a-b-c-d"},
      // Letter case of the placeholder does not matter.
      {"%S1% %s2% %S3% %s4%", "a", "b", "c", "d", "a b c d"},
      {"(%S1%/%S2%)", "1", "3", "", "", "(1/3)"},
      // Empty arguments leave their placeholders.
      {"Files converted: %s1% of %s2%", "2", "", "", "", "Files converted: 2 of %s2%"},
      {"Files converted: %s1% of %s2%", "", "5", "", "", "Files converted: %s1% of 5"},
      {"%s1%%s2%%s3%%s4%", "", "", "", "", "%s1%%s2%%s3%%s4%"},
      {"%S3% and %s4%", "a", "b", "", "d", "%S3% and d"},
      // Repeated placeholders are all replaced.
      {"%s1% %s1% %S1%", "x", "", "", "", "x x x"},
      {"  %s1% -i c:\\tmp\\example.%s2% -o d:\\converted", "velmora", "pcd", "", "", "  velmora -i c:\\tmp\\example.pcd -o d:\\converted"},
      // Near misses are left alone.
      {"%s1 s1% %s5% %s0%", "x", "", "", "", "%s1 s1% %s5% %s0%"},
      // Text with CR LF.
      {"exist:\r\n%s1%\r\n\r\nPlease", "/tmp/out", "", "", "", "exist:\r\n/tmp/out\r\n\r\nPlease"},
  };
  for (const FormatCase& c : cases)
    EXPECT_EQ(FormatText(c.templ, c.a1, c.a2, c.a3, c.a4), c.expected) << c.templ;
}

TEST(FormatTextTest, DefaultArguments) {
  EXPECT_EQ(FormatText(""), "");
  EXPECT_EQ(FormatText("%s1%"), "%s1%");
  EXPECT_EQ(FormatText("Unable to open the file: %s1%!", "a.pcd"),
            "Unable to open the file: a.pcd!");
  EXPECT_EQ(FormatText("(%s1%/%s2%)", "1", "3"), "(1/3)");
  EXPECT_EQ(FormatText("%s1%%s2%%s3%", "a", "b", "c"), "abc");
}

TEST(FormatTextTest, IntegerArguments) {
  EXPECT_EQ(FormatText("Import complete, new files added: %s1%", 0),
            "Import complete, new files added: 0");
  EXPECT_EQ(FormatText("Files converted: %s1% of %s2%", 1, 1), "Files converted: 1 of 1");
  EXPECT_EQ(FormatText("(%s1%/%s2%)", 12, -3), "(12/-3)");
  const size_t count = 7;
  EXPECT_EQ(FormatText("%s1%", static_cast<long long>(count)), "7");
}

TEST(FormatTextTest, StdStringArguments) {
  const std::string templ = "Time Remaining: %s1%";
  const std::string arg = "00:00:00";
  EXPECT_EQ(FormatText(templ, arg), "Time Remaining: 00:00:00");
}

}  // namespace
