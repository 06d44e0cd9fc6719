#include "ui/format_combo.h"

#include <algorithm>

#include "app/formats.h"
#include "app/text_util.h"
#include "themes/image_sets.h"
#include "ui/pictures.h"

namespace {
std::string ItemText(const std::string& key, bool withDescriptions) {
  const OutputFormatRecord* record = withDescriptions ? FindOutputFormat(key) : nullptr;
  return record ? OutputFormatDisplayName(*record) : AsciiUpper(key);
}
}  // namespace

void FillFormatCombo(QComboBox* combo, const std::vector<std::string>& keys, const std::string& selectedKey,
                     bool withDescriptions) {
  combo->clear();
  int selected = 0;
  for (size_t position = 0; position < keys.size(); ++position) {
    if (keys[position].empty()) continue;
    if (keys[position] == selectedKey) selected = combo->count();
    combo->addItem(IconOf(MenuIcons.Find("New")), QString::fromStdString(ItemText(keys[position], withDescriptions)),
                   int(position));
  }
  combo->setCurrentIndex(combo->count() ? selected : -1);
}

void SelectFormatKey(QComboBox* combo, const std::vector<std::string>& keys, const std::string& key) {
  const auto found = std::find(keys.begin(), keys.end(), key);
  if (found == keys.end()) return;
  if (const int item = combo->findData(int(found - keys.begin())); item >= 0) combo->setCurrentIndex(item);
}

std::string SelectedFormatKey(const QComboBox* combo, const std::vector<std::string>& keys) {
  if (!combo || combo->currentIndex() < 0) return "";
  const int position = combo->currentData().toInt();
  return position >= 0 && size_t(position) < keys.size() ? keys[size_t(position)] : "";
}
