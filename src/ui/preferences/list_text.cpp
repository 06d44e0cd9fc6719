#include "ui/preferences/list_text.h"

#include "app/text_util.h"

std::vector<std::string> ListEntries(std::string_view list) {
  std::vector<std::string> entries;
  size_t start = 0;
  while (start <= list.size()) {
    size_t comma = list.find(',', start);
    if (comma == std::string_view::npos) comma = list.size();
    std::string entry = Trim(list.substr(start, comma - start));
    if (!entry.empty()) entries.push_back(std::move(entry));
    start = comma + 1;
  }
  return entries;
}

std::string AppendedToList(std::string_view list, std::string_view entry) {
  if (list.empty()) return std::string(entry);
  return std::string(list) + "," + std::string(entry);
}

std::string CleanText(std::string_view text) {
  std::string kept;
  for (char c : text)
    if (c != '\t' && c != '\r' && c != '\n') kept += c;
  return Trim(kept);
}
