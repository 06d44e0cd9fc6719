#pragma once
// The filter of the open-file chooser: entries alternating display text and
// pattern list, separated by "|", built from the accepted input extensions.
#include <string>
#include <vector>

std::string BuildInputFileFilter();

struct FileFilterEntry {
  std::string text;
  std::string patterns;  // ";"-separated
};
// The "|"-separated form as pairs.
std::vector<FileFilterEntry> SplitFileFilter(const std::string& filter);
