#include "ui/preferences/theme_combo.h"

#include <QComboBox>

#include <algorithm>
#include <vector>

#include "app/settings.h"
#include "app/text_util.h"
#include "i18n/text_table.h"
#include "themes/theme_packages.h"
#include "ui/ui_text.h"

namespace {

std::vector<std::string> SortedThemeIds() {
  std::vector<std::string> ids;
  for (const auto& [id, name] : ThemeList) ids.push_back(id);
  // Ids that differ only in letter case keep a fixed order.
  std::stable_sort(ids.begin(), ids.end(),
                   [](const std::string& a, const std::string& b) { return AsciiLower(a) < AsciiLower(b); });
  return ids;
}

}  // namespace

void FillThemeCombo(QComboBox* combo) {
  combo->clear();
  const std::vector<std::string> ids = SortedThemeIds();
  if (ids.empty()) {
    combo->addItem(UiText("Preferences", "None"));
    combo->setCurrentIndex(0);
    return;
  }
  int selected = 0;
  for (size_t n = 0; n < ids.size(); ++n) {
    const std::string& name = ThemeList.at(ids[n]);
    combo->addItem(QString::fromStdString(name.empty() ? ids[n] : name));
    if (ids[n] == g_settings.Interface.UiTheme) selected = int(n);
  }
  combo->setCurrentIndex(selected);
}

std::string ThemeIdAt(int n) {
  const std::vector<std::string> ids = SortedThemeIds();
  return n >= 0 && size_t(n) < ids.size() ? ids[size_t(n)] : "";
}
