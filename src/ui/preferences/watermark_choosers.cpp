#include "ui/preferences/watermark_choosers.h"

#include <QComboBox>
#include <QLineEdit>

#include <algorithm>

#include "app/settings.h"
#include "app/text_util.h"
#include "ui/main/input_filter.h"
#include "ui/preferences/color_controls.h"
#include "ui/preferences/list_text.h"
#include "ui/preferences/preference_choosers.h"
#include "ui/ui_text.h"

namespace {

std::string WatermarkImageFilter() {
  const std::vector<FileFilterEntry> types = {
      {"Portable Network Graphics", "*.png"},
      {"Windows or OS/2 Bitmap", "*.bmp;*.rle;*.dib"},
      {"JPEG File", "*.jpg;*.jpeg;*.jpe;*.jif"},
  };
  std::string all;
  for (const FileFilterEntry& type : types) all += (all.empty() ? "" : ";") + type.patterns;
  return ComposeFileFilter(all, types);
}

}  // namespace

void FillFontCombo(QComboBox* combo) {
  std::string& fonts = g_settings.Watermark.Fonts;
  if (fonts.empty()) fonts = g_settings.Watermark.Font;
  combo->clear();
  for (const std::string& entry : ListEntries(fonts)) combo->addItem(QString::fromStdString(entry));
  combo->setCurrentIndex(combo->count() ? 0 : -1);
}

void ChooseFont(QComboBox* fontCombo, QLineEdit* sizeField, QComboBox* styleCombo) {
  const int points = int(ReadLeadingInteger(sizeField->text().toStdString(), false));
  const std::optional<ChosenFont> chosen =
      AskForFont(fontCombo->window(), fontCombo->currentText().toStdString(), points);
  if (!chosen) return;
  std::string name = chosen->face;
  // The list is comma-separated, so a comma cannot be part of a name.
  name.erase(std::remove(name.begin(), name.end(), ','), name.end());
  const std::vector<std::string> listed = ListEntries(g_settings.Watermark.Fonts);
  if (std::find(listed.begin(), listed.end(), name) == listed.end()) {
    fontCombo->addItem(QString::fromStdString(name));
    g_settings.Watermark.Fonts = AppendedToList(g_settings.Watermark.Fonts, name);
  }
  const int index = fontCombo->findText(QString::fromStdString(name), Qt::MatchFixedString);
  if (index >= 0) fontCombo->setCurrentIndex(index);
  sizeField->setText(QString::number(chosen->points));
  SelectItemByData(styleCombo, (chosen->bold ? kBoldStyleValue : 0) + (chosen->italic ? kItalicStyleValue : 0));
}

void ChooseWatermarkImage(QLineEdit* field) {
  const QString title = UiText("Dialog", "Select Watermark Image");
  const QString chosen = AskForImageFile(field->window(), title, field->text().trimmed(), WatermarkImageFilter());
  if (!chosen.isEmpty()) field->setText(chosen);
}
