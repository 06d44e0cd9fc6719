#include "config/ini_file.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <iterator>
#include <limits>

#include "app/text_util.h"
#include "platform/files.h"

namespace {

constexpr std::string_view kBlanks = " \t";

}  // namespace

bool IniFile::Load(const std::string& path) {
  if (IsFolder(path)) return false;
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  const std::string content((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  Parse(content);
  return true;
}

void IniFile::Parse(std::string_view content) {
  sections_.clear();
  const std::string text = content.starts_with(kUtf8ByteOrderMark)
                               ? std::string(content.substr(kUtf8ByteOrderMark.size()))
                               : Latin1ToUtf8(content);
  IniSection* current = nullptr;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string_view line(text.data() + start, end - start);
    start = end + 1;
    if (line.ends_with('\r')) line.remove_suffix(1);
    const size_t first = line.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) continue;
    line.remove_prefix(first);
    if (line.front() == ';') continue;
    if (line.front() == '[') {
      const size_t close = line.find(']');
      const std::string name(line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
      current = const_cast<IniSection*>(Section(name));
      if (!current) current = &sections_.emplace_back(IniSection{name, {}});
      continue;
    }
    const size_t equals = line.find('=');
    if (!current || equals == std::string_view::npos) continue;
    std::string key(line.substr(0, equals));
    key.erase(key.find_last_not_of(kBlanks) + 1);
    current->entries.push_back({key, Trim(line.substr(equals + 1), kBlanks)});
  }
}

const IniSection* IniFile::Section(std::string_view name) const {
  for (const IniSection& section : sections_)
    if (EqualsIgnoreCase(section.name, name)) return &section;
  return nullptr;
}

std::optional<std::string> IniFile::Value(std::string_view section, std::string_view key) const {
  const IniSection* found = Section(section);
  if (!found) return std::nullopt;
  for (const IniEntry& entry : found->entries)
    if (EqualsIgnoreCase(entry.key, key)) return entry.value;
  return std::nullopt;
}

int64_t ReadIniInteger(std::string_view text) { return ReadLeadingInteger(text, false); }

float ReadIniReal(std::string_view text) {
  const std::string trimmed = Trim(text, kBlanks);
  if (EqualsIgnoreCase(trimmed, "+Infinity")) return std::numeric_limits<float>::infinity();
  if (EqualsIgnoreCase(trimmed, "-Infinity")) return -std::numeric_limits<float>::infinity();
  if (EqualsIgnoreCase(trimmed, "NaN")) return std::numeric_limits<float>::quiet_NaN();
  std::string_view digits = trimmed;
  if (digits.starts_with('+')) digits.remove_prefix(1);
  float value = 0;
  const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                      std::chars_format::general);
  // from_chars also knows "inf" and "nan", which the file format does not.
  if (result.ec != std::errc() || !std::isfinite(value)) return 0;
  return value;
}
