#include "batch/run_texts.h"

#include <gtest/gtest.h>

TEST(RunTexts, ShortenMiddleKeepsBothEnds) {
  const std::string path(100, 'a');
  const std::string shortened = ShortenMiddle(std::string(18, 'x') + std::string(64, 'm') + std::string(18, 'y'), 40);
  EXPECT_EQ(shortened, std::string(18, 'x') + "..." + std::string(18, 'y'));
  EXPECT_EQ(ShortenMiddle("short", 40), "short");
  EXPECT_EQ(ShortenMiddle(std::string(40, 'a'), 40), std::string(40, 'a'));
  EXPECT_EQ(ShortenMiddle("", 3), "");
  EXPECT_EQ(ShortenMiddle("abcdefghij", 7), "ab...ij");
}

TEST(RunTexts, FormatDurationCountsWholeSeconds) {
  const struct {
    int64_t milliseconds;
    const char* text;
  } cases[] = {
      {999, "00:00:00"},
      {1000, "00:00:01"},
      {(59 * 60 + 59) * 1000LL, "00:59:59"},
      {(86400 + 3600 + 61) * 1000LL, "1d:01:01:01"},
      {(2 * 86400 + 3 * 3600 + 4 * 60 + 5) * 1000LL + 999, "2d:03:04:05"},
      {23 * 3600 * 1000LL, "23:00:00"},
      {-5, "00:00:00"},
  };
  for (const auto& c : cases) EXPECT_EQ(FormatDuration(c.milliseconds), c.text) << c.milliseconds;
}
