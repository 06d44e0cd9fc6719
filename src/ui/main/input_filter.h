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
// The "|"-separated form of a chooser's filter: "All Supported Files" with
// allPatterns, the entries, then "All Files (*.*)".
std::string ComposeFileFilter(const std::string& allPatterns, const std::vector<FileFilterEntry>& entries);
// The "|"-separated form as pairs.
std::vector<FileFilterEntry> SplitFileFilter(const std::string& filter);
