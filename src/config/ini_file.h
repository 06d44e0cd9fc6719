#pragma once
// Reader of INI files as the program's settings files are written: UTF-8
// with a byte-order mark, otherwise ISO 8859-1; ";" comments; section and
// key names matched regardless of letter case.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What starts a UTF-8 settings file.
inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

struct IniEntry {
  std::string key;
  std::string value;
};

struct IniSection {
  std::string name;
  std::vector<IniEntry> entries;  // in file order, repeated keys kept
};

class IniFile {
 public:
  // False when the file cannot be opened.
  bool Load(const std::string& path);
  void Parse(std::string_view content);

  const IniSection* Section(std::string_view name) const;
  // The first value of the key in the section.
  std::optional<std::string> Value(std::string_view section, std::string_view key) const;

 private:
  std::vector<IniSection> sections_;
};

// Integer as the file stores it: leading blanks, optional sign, decimal
// digits up to the first other character; no digits give 0.
int64_t ReadIniInteger(std::string_view text);
// Decimal number with "." and an optional exponent; "+Infinity", "-Infinity"
// and "NaN" in any case give the special values; anything else gives 0.
float ReadIniReal(std::string_view text);
