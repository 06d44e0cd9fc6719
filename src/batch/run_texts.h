#pragma once
// Texts of the progress dialog.
#include <cstdint>
#include <string>

// The first and last (n - 3) / 2 characters around "..." when the text is
// longer than n; otherwise the text.
std::string ShortenMiddle(const std::string& text, int n);
// "hh:mm:ss", with "<days>d:" in front from one day on; whole seconds.
std::string FormatDuration(int64_t milliseconds);
