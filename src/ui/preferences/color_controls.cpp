#include "ui/preferences/color_controls.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>

#include "ui/preferences/color_text.h"
#include "ui/preferences/list_text.h"
#include "ui/preferences/preference_choosers.h"

namespace {

constexpr int kComboSwatch = 16;
constexpr QSize kButtonSwatch(34, 12);

void AddColorItem(QComboBox* combo, ColorValue color, const std::string& hex) {
  combo->addItem(ColorSwatch(color, kComboSwatch, kComboSwatch), QString::fromStdString(ColorName(hex)),
                 int(color));
}

}  // namespace

QPixmap ColorSwatch(ColorValue color, int width, int height) {
  QPixmap swatch(width, height);
  swatch.fill(QColor(RedOf(color), GreenOf(color), BlueOf(color)));
  return swatch;
}

void FillColorCombo(QComboBox* combo, const std::string& list) {
  combo->clear();
  combo->setIconSize(QSize(kComboSwatch, kComboSwatch));
  for (const std::string& entry : ListEntries(list)) AddColorItem(combo, ParseColor(entry), entry);
  combo->setCurrentIndex(combo->count() ? 0 : -1);
}

void SelectItemByData(QComboBox* combo, int value) {
  const int index = combo->findData(value);
  if (index >= 0) combo->setCurrentIndex(index);
}

void ShowColorRow(QAbstractButton* button, QLineEdit* field, ColorValue color) {
  button->setIconSize(kButtonSwatch);
  button->setIcon(ColorSwatch(color, kButtonSwatch.width(), kButtonSwatch.height()));
  field->setText(QString::fromStdString(HexFromColor(color)));
}

void ChooseColor(QAbstractButton* button, QLineEdit* field) {
  const ColorValue current = ParseColor(field->text().toStdString());
  const std::optional<ColorValue> chosen = AskForColor(button->window(), current);
  if (!chosen || *chosen == current) return;
  ShowColorRow(button, field, *chosen);
}

void AddCustomColor(QComboBox* combo, std::string& listSetting) {
  const ColorValue current = ColorValue(combo->currentData().toUInt());
  const std::optional<ColorValue> chosen = AskForColor(combo->window(), current);
  if (!chosen) return;
  bool listed = false;
  for (const std::string& entry : ListEntries(listSetting)) listed = listed || ParseColor(entry) == *chosen;
  if (!listed) {
    const std::string hex = HexFromColor(*chosen);
    AddColorItem(combo, *chosen, hex);
    listSetting = AppendedToList(listSetting, hex);
  }
  SelectItemByData(combo, int(*chosen));
}
