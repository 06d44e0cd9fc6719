#include "cli/profile.h"

#include "app/text_util.h"
#include "cli/option_values.h"
#include "cli/setting_options.h"
#include "config/ini_file.h"

bool LoadProfile(const std::string& path) {
  if (path.empty()) return false;
  IniFile file;
  if (!file.Load(path)) return false;
  const IniSection* section = file.Section("CLI");
  if (!section) return true;
  for (const IniEntry& entry : section->entries) {
    const SettingDef* def = FindSettingByProfileKey(AsciiUpper(entry.key));
    if (!def) continue;
    ApplySettingOption(*def, def->profileUnquotes ? StripQuotes(entry.value) : entry.value);
  }
  return true;
}
