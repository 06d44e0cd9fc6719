#include "ui/format_combo.h"

#include "app/formats.h"
#include "app/product.h"
#include "app/settings.h"
#include "themes/image_sets.h"
#include "ui/pictures.h"

void FillOutputFormatCombo(QComboBox* combo) {
  combo->clear();
  const auto& outputs = ProductFormats().output;
  int selected = 0;
  for (size_t index = 0; index < outputs.size(); ++index) {
    const OutputFormatRecord* record = FindOutputFormat(outputs[index]);
    const QString name = QString::fromStdString(record ? OutputFormatDisplayName(*record) : outputs[index]);
    combo->addItem(IconOf(MenuIcons.Find("New")), name, int(index));
    if (outputs[index] == g_settings.Output.Format) selected = int(index);
  }
  combo->setCurrentIndex(selected);
}

std::string SelectedOutputFormatKey(const QComboBox* combo) {
  if (!combo || combo->currentIndex() < 0) return "";
  const int index = combo->currentData().toInt();
  const auto& outputs = ProductFormats().output;
  return index >= 0 && size_t(index) < outputs.size() ? outputs[size_t(index)] : "";
}
