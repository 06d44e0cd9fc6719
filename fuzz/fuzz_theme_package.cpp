// A theme package: ZIP entries, theme.cfg and the PNG pictures it names.
#include "app/settings.h"
#include "fuzz_support.h"
#include "themes/builtin_images.h"
#include "themes/icon_slots.h"
#include "themes/png_decoder.h"
#include "themes/theme_packages.h"

FUZZ_TARGET(theme_package) {
  static const bool prepared = [] {
    FillIconSlotTables();
    LoadBuiltInImages();
    SetThemeFolder(FuzzFolder());
    return true;
  }();
  (void)prepared;
  WriteFuzzFile("fuzz.zip", data, size);
  g_settings.Interface.UiTheme = "fuzz";
  g_settings.Interface.UiSize = int(size % 5);
  ReadThemeName("fuzz");
  LoadThemeImages(true, true, true);
  Picture picture;
  DecodePng(FuzzText(data, size), picture);
  return 0;
}
