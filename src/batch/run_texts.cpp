#include "batch/run_texts.h"

#include <cstdio>

std::string ShortenMiddle(const std::string& text, int n) {
  if (text.empty() || int64_t(text.size()) <= n) return text;
  const size_t k = size_t(n > 3 ? (n - 3) / 2 : 0);
  return text.substr(0, k) + "..." + text.substr(text.size() - k);
}

std::string FormatDuration(int64_t milliseconds) {
  const int64_t seconds = milliseconds < 1000 ? 0 : milliseconds / 1000;
  const int64_t days = seconds / 86400;
  char clock[32];
  std::snprintf(clock, sizeof clock, "%02d:%02d:%02d", int(seconds / 3600 % 24), int(seconds / 60 % 60),
                int(seconds % 60));
  return days > 0 ? std::to_string(days) + "d:" + clock : std::string(clock);
}
