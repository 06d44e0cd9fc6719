#include "app/text_util.h"

#include <gtest/gtest.h>

TEST(TextUtil, CaseInsensitiveSearchAndReplace) {
  EXPECT_EQ(ReplaceAllIgnoreCase("a %EXT% b %ext%", "%ext%", "jpg"), "a jpg b jpg");
  EXPECT_EQ(ReplaceAllIgnoreCase("aaa", "a", "aa"), "aaaaaa");  // no re-scan of what was put in
  EXPECT_EQ(FindIgnoreCase("Hello %EoL% x", "%eol%"), 6u);
  EXPECT_EQ(FindIgnoreCase("abc", "abcd"), std::string::npos);
  EXPECT_EQ(Trim("  a b  "), "a b");
  EXPECT_EQ(Trim(" \t x\t", " \t"), "x");
  EXPECT_EQ(Trim("   "), "");
}

TEST(TextUtil, EightBitText) {
  EXPECT_EQ(Latin1ToUtf8("Caf\xE9"), "Caf\xC3\xA9");
  EXPECT_TRUE(IsValidUtf8("Caf\xC3\xA9 \xE2\x82\xAC"));
  EXPECT_TRUE(IsValidUtf8(""));
  EXPECT_FALSE(IsValidUtf8("Caf\xE9"));
  EXPECT_FALSE(IsValidUtf8("\xC3"));
  EXPECT_FALSE(IsValidUtf8("\x80"));
}
