#pragma once
// The nine pages of the Preferences window and the option panels of the
// Input and Output pages, as tables of rows.
#include <span>

#include "ui/preferences/preference_rows.h"

// A group of rows at x 0, y 40 of its page, 450 x 215; at most one panel of
// a page is visible.
struct PanelDef {
  const char* name;  // the format key, or the panel's own name
  std::span<const RowDef> rows;
  int innerHeight = 0;  // scrollable, with an inner area 420 x innerHeight; plain when 0
};

struct PageDef {
  const char* key;  // text key of the page list item and of the title
  std::span<const RowDef> rows;
  int innerHeight = 0;  // scrollable, with an inner area 420 x innerHeight; plain when 0
  std::span<const PanelDef> panels = {};
};

enum PreferencesPage : int {
  kGeneralPage = 0,
  kInterfacePage,
  kInputPage,
  kOutputPage,
  kTransformPage,
  kAdjustmentPage,
  kFramePage,
  kWatermarkPage,
  kAdvancedPage,
  kPreferencesPageCount
};

std::span<const PageDef> PreferencesPages();
// The option panels of the input and output formats.
std::span<const PanelDef> InputOptionPanels();
std::span<const PanelDef> OutputOptionPanels();
