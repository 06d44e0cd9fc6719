#include "ui/main/input_filter.h"

#include <map>

#include "app/formats.h"
#include "i18n/text_table.h"

std::string BuildInputFileFilter() {
  std::string allPatterns;
  std::map<std::string, std::string> byDescription;
  for (const std::string& extension : InputExtensions()) {
    const InputFormatRecord* record = FindInputExtension(extension);
    if (!record) continue;
    allPatterns += "*." + extension + ";";
    std::string& entry = byDescription[record->description];
    entry = entry.empty() ? "*." + extension : "*." + extension + ";" + entry;
  }
  if (!allPatterns.empty()) allPatterns.pop_back();
  std::vector<FileFilterEntry> entries;
  for (const auto& [description, patterns] : byDescription) entries.push_back({description, patterns});
  return ComposeFileFilter(allPatterns, entries);
}

std::string ComposeFileFilter(const std::string& allPatterns, const std::vector<FileFilterEntry>& entries) {
  std::string filter = GetText("Dialog", "All Supported Files") + "|" + allPatterns + "|";
  for (const FileFilterEntry& entry : entries) filter += entry.text + "|" + entry.patterns + "|";
  return filter + GetText("Dialog", "All Files") + " (*.*)|*.*";
}

std::vector<FileFilterEntry> SplitFileFilter(const std::string& filter) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (size_t bar; (bar = filter.find('|', start)) != std::string::npos; start = bar + 1)
    parts.push_back(filter.substr(start, bar - start));
  parts.push_back(filter.substr(start));
  std::vector<FileFilterEntry> entries;
  for (size_t i = 0; i + 1 < parts.size(); i += 2) entries.push_back({parts[i], parts[i + 1]});
  return entries;
}
