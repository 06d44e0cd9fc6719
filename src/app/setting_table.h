#pragma once
// One row per setting: where it is stored, its type and default, how the
// command line and profiles set it, and how the console prints it. The
// defaults, the option parser, profiles, config.ini and the debug lines all
// walk this table.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "app/settings.h"

enum class SettingType : uint8_t { Flag, ByteEnum, Byte, Integer, Real, Text, Color, ColorList, Date };

// How an option's value is read: NUM, decimal number, keyword, TEXT, or a
// flag option that takes no value and stores 1 (SetsOne) or 0 (SetsZero).
enum class OptionKind : uint8_t { None, Number, Decimal, Keyword, Text, SetsOne, SetsZero };

using ByteField = uint8_t& (*)(Settings&);
using IntField = int32_t& (*)(Settings&);
using DateField = int64_t& (*)(Settings&);
using RealField = float& (*)(Settings&);
using TextField = std::string& (*)(Settings&);
using SettingField = std::variant<ByteField, IntField, DateField, RealField, TextField>;

struct SettingDef {
  const char* section;
  const char* key;
  SettingType type;
  const char* defaultValue;  // as text; computed defaults are set by ApplyDefaults
  SettingField field;
  const char* option = nullptr;  // upper-case option name, nullptr when none
  OptionKind optionKind = OptionKind::None;
  int keywordSet = -1;             // keyword set of the option and of the debug line
  ByteField switchesOn = nullptr;  // the Do flag that the option switches on...
  uint8_t switchValue = 1;         // ...to this value
  const char* formatKey = nullptr;   // format whose option this is; written only for product formats
  const char* debugLabel = nullptr;  // console debug label, for example "JPG Quality: "
  const char* profileOption = nullptr;  // a profile's spelling when it differs from the option
  bool profileUnquotes = false;         // a profile strips surrounding quotes from this TEXT
};

std::span<const SettingDef> SettingTable();

// Section and key matched regardless of letter case; nullptr when unknown.
const SettingDef* FindSetting(std::string_view section, std::string_view key);
// Like FindSetting for keys the program itself names; a missing key is a
// programming error and aborts.
const SettingDef& SettingRow(std::string_view section, std::string_view key);
// The row whose command-line option (or profile key) equals the upper-case name.
const SettingDef* FindSettingByOption(std::string_view upperName);
const SettingDef* FindSettingByProfileKey(std::string_view upperName);

// Typed access through a row. Numbers cover flags, bytes, integers and dates;
// storing into a byte field keeps the low byte, into an integer the low 32 bits.
int64_t SettingNumber(const SettingDef& def, const Settings& settings);
void SetSettingNumber(const SettingDef& def, Settings& settings, int64_t value);
float& SettingReal(const SettingDef& def, Settings& settings);
std::string& SettingString(const SettingDef& def, Settings& settings);
bool IsNumberSetting(const SettingDef& def);

// The value as the console's debug line prints it: flags 0/1, choices as
// their keyword, the real with two decimals, texts as they are.
std::string DebugValueText(const SettingDef& def, const Settings& settings);
// The value as config.ini stores it: bytes as signed bytes, the real with
// six decimals.
std::string StoredValueText(const SettingDef& def, const Settings& settings);
