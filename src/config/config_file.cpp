#include "config/config_file.h"

#include <cstdio>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/product.h"
#include "app/setting_table.h"
#include "app/settings.h"
#include "config/ini_file.h"
#include "platform/safe_replace.h"

namespace {

// The file version this program writes; older files are migrated on reading.
constexpr int32_t kConfigVersion = 19;
constexpr std::string_view kLineEnd = "\r\n";

// ---- Reading ----

void ReadSetting(const SettingDef& def, const IniFile& file) {
  const std::optional<std::string> value = file.Value(def.section, def.key);
  if (!value) return;
  if (def.type == SettingType::Real) SettingReal(def, g_settings) = ReadIniReal(*value);
  else if (IsNumberSetting(def)) SetSettingNumber(def, g_settings, ReadIniInteger(*value));
  else SettingString(def, g_settings) = *value;
}

void ReadSettings(const IniFile& file) {
  // Where the file differs from a fresh start: a file without a version is
  // the oldest one, and a window without a stored position is not centred.
  g_settings.General.Cfg = 0;
  g_settings.Window.X = 100;
  g_settings.Window.Y = 100;
  for (const SettingDef& def : SettingTable()) ReadSetting(def, file);
}

// Before version 19 the colour modes were stored under keys ending in
// "Model"; a value there wins over the new key.
void MigrateColorModels(const IniFile& file) {
  const struct {
    const char* section;
    const char* oldKey;
    const char* newKey;
  } renamed[] = {{"Input", "PSD Color Model", "PSD Color Mode"}, {"Output", "TIFF Color Model", "TIFF Color Mode"}};
  for (const auto& keys : renamed) {
    const int64_t value = ReadIniInteger(file.Value(keys.section, keys.oldKey).value_or(""));
    if (value != 0) SetSettingNumber(SettingRow(keys.section, keys.newKey), g_settings, value);
  }
}

void MigrateFromVersion(const IniFile& file, int32_t version) {
  std::string& mask = g_settings.Advanced.FilenameMask;
  if (version < 11 && mask.find("%ext%") == std::string::npos) mask += ".%ext%";
  // The raw load modes were renumbered in version 14.
  int32_t& rawLoadAs = g_settings.Input.RawLoadAs;
  if (version < 14 && rawLoadAs != 0) rawLoadAs = int32_t(uint32_t(rawLoadAs) + 2u);
  if (version < 19) MigrateColorModels(file);
}

// ---- Writing ----

// The product's format list whose options a section holds, or nullptr.
const std::vector<std::string>* FormatListOf(std::string_view section) {
  if (section == "Input") return &ProductFormats().input;
  if (section == "Output") return &ProductFormats().output;
  return nullptr;
}

std::string FileValueText(const SettingDef& def) {
  if (&def == &SettingRow("General", "CFG")) return std::to_string(kConfigVersion);
  std::string text = StoredValueText(def, g_settings);
  // A line break inside a value (a folder name may hold one) would end the
  // line and let the rest pass for keys and sections of its own.
  std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
  return text;
}

void AppendSetting(std::string& content, const SettingDef& def) {
  content.append(def.key).append(" = ").append(FileValueText(def)).append(kLineEnd);
}

// The rows of one section: the general ones in table order, then the
// options of each of the product's formats in the order of its list.
// Options of other formats are not written.
void AppendSection(std::string& content, std::span<const SettingDef> rows) {
  const std::string_view section = rows.front().section;
  content.append("[").append(section).append("]").append(kLineEnd);
  const bool writeKeys = section != "Window" || g_settings.General.SaveWindowPosition != 0;
  if (writeKeys) {
    for (const SettingDef& def : rows)
      if (!def.formatKey) AppendSetting(content, def);
    if (const std::vector<std::string>* formats = FormatListOf(section))
      for (const std::string& format : *formats)
        for (const SettingDef& def : rows)
          if (def.formatKey && format == def.formatKey) AppendSetting(content, def);
  }
  content.append("; ").append(kLineEnd);
}

std::string ConfigText() {
  std::string content(kUtf8ByteOrderMark);
  content.append(kLineEnd);
  const std::span<const SettingDef> table = SettingTable();
  size_t first = 0;
  while (first < table.size()) {
    size_t end = first + 1;
    while (end < table.size() && std::string_view(table[end].section) == table[first].section) ++end;
    AppendSection(content, table.subspan(first, end - first));
    first = end;
  }
  return content;
}

}  // namespace

void LoadConfig() {
  ApplyDefaults(DefaultsVariant::Windowed);
  IniFile file;
  if (file.Load(g_settings.App.ConfigPath)) ReadSettings(file);
  MigrateFromVersion(file, g_settings.General.Cfg);
}

void SaveConfig() {
  if (g_settings.App.ConfigPath.empty()) return;
  const std::string content = ConfigText();
  ReplaceFileSafely(g_settings.App.ConfigPath, [&](FILE* file) {
    return std::fwrite(content.data(), 1, content.size(), file) == content.size();
  });
}
