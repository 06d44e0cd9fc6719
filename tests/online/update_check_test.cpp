#include "online/update_check.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr int64_t kDay = 86400;
constexpr int64_t kNow = 1700000000;

TEST(UpdateCheck, IntervalOfEachUpdateRange) {
  const int days[] = {1, 7, 30, 90, 180, 0};
  for (int range = 0; range < 6; ++range) EXPECT_EQ(UpdateIntervalDays(range), days[range]) << range;
  EXPECT_EQ(UpdateIntervalDays(6), 30);
  EXPECT_EQ(UpdateIntervalDays(-1), 30);
}

TEST(UpdateCheck, AScheduledCheckIsDueOnlyOnceTheIntervalHasPassedStrictly) {
  const struct {
    int range;
    int64_t lastCheck;
    bool due;
  } cases[] = {
      {1, kNow - 8 * kDay, true},
      {1, kNow - 7 * kDay, false},
      {2, kNow - 30 * kDay, false},
      {2, kNow - 30 * kDay - 1, true},
      {0, kNow - kDay - 1, true},
      {4, kNow - 179 * kDay, false},
      {5, 0, false},
      {9, kNow - 31 * kDay, true},
      {9, kNow - 29 * kDay, false},
      {2, kNow + 365 * kDay, false},
      {2, std::numeric_limits<int64_t>::min(), true},
      {2, std::numeric_limits<int64_t>::max(), false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ScheduledCheckDue(c.range, c.lastCheck, kNow), c.due) << c.range << " " << c.lastCheck;
}

}  // namespace
