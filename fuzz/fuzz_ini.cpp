// config.ini and profile files: the INI reader and its number readers.
#include "config/ini_file.h"
#include "fuzz_support.h"

FUZZ_TARGET(ini) {
  IniFile file;
  file.Parse(FuzzText(data, size));
  for (const char* section : {"General", "Adjustment", "CLI", "Watermark"}) {
    if (const IniSection* found = file.Section(section))
      for (const IniEntry& entry : found->entries) {
        ReadIniInteger(entry.value);
        ReadIniReal(entry.value);
      }
  }
  file.Value("Window", "X");
  return 0;
}
