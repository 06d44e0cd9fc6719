#include "ui/preferences/bit_depth_combo.h"

#include <QComboBox>

#include "app/formats.h"
#include "i18n/text_table.h"
#include "ui/ui_text.h"

void FillBitDepthCombo(QComboBox* combo, const std::string& formatKey, int depth) {
  combo->clear();
  combo->addItem(UiText("Preferences", "Auto"));
  for (int allowed : AllowedBitDepths(formatKey)) combo->addItem(QString::number(allowed));
  combo->setCurrentIndex(depth == 0 ? 0 : combo->findText(QString::number(depth)));
}

int SelectedBitDepth(const QComboBox* combo) {
  if (combo->currentIndex() < 1) return 0;
  return combo->currentText().toInt();
}
