#include "ui/preferences/preference_rows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSlider>

#include <algorithm>
#include <cmath>
#include <limits>

#include "app/product.h"
#include "app/setting_table.h"
#include "app/settings.h"
#include "app/text_util.h"
#include "engine/color.h"
#include "i18n/text_table.h"
#include "ui/preferences/color_controls.h"
#include "ui/preferences/color_text.h"
#include "ui/format_combo.h"
#include "ui/preferences/bit_depth_combo.h"
#include "ui/preferences/list_text.h"
#include "ui/preferences/pair_spin_box.h"
#include "ui/preferences/theme_combo.h"
#include "ui/preferences/watermark_choosers.h"
#include "ui/ui_text.h"

namespace {

// The row grid: a label column and a control column, 30 pixels a row.
constexpr int kLabelX = 10, kLabelWidth = 160;
constexpr int kControlX = 170, kControlWidth = 240;
constexpr int kSideX = 340, kSideWidth = 70;  // unit combo, spin box
constexpr int kNumberWidth = 160, kSliderWidth = 170;
constexpr int kChooserFieldWidth = 214, kChooserButtonX = 389, kChooserButtonSize = 22;
constexpr int kSwatchButtonWidth = 44, kHexFieldX = 220, kHexFieldWidth = 190;
constexpr int kFieldHeight = 20, kComboHeight = 21;
constexpr const char* kDateTimeFormat = "%yyyy/%mm/%dd %hh:%ii";

int RowY(int row) { return 10 + 30 * row; }

// How far the track bar's scale lies above the spin box's.
int SliderOffset(const RowDef& def) { return def.scale == PairScale::Offset100 ? 100 : 0; }

QString Text(const char* key) { return UiText("Preferences", key); }

const SettingDef* Setting(const RowDef& def) { return def.section ? &SettingRow(def.section, def.key) : nullptr; }

int64_t StoredNumber(const RowDef& def) { return SettingNumber(*Setting(def), g_settings); }
void StoreNumber(const RowDef& def, int64_t value) { SetSettingNumber(*Setting(def), g_settings, value); }
std::string& StoredText(const RowDef& def) { return SettingString(*Setting(def), g_settings); }

QComboBox* NewCombo(QWidget* parent, int x, int y, int width) {
  auto* combo = new QComboBox(parent);
  combo->setGeometry(x, y, width, kComboHeight);
  return combo;
}

void AddItems(QComboBox* combo, const RowDef& def) {
  for (size_t i = 0; i < def.items.size(); ++i)
    combo->addItem(Text(def.items[i]), i < def.itemValues.size() ? def.itemValues[i] : int(i));
}

QLineEdit* NewField(QWidget* parent, int x, int y, int width) {
  auto* field = new QLineEdit(parent);
  field->setGeometry(x, y, width, kFieldHeight);
  return field;
}

QPushButton* NewChooserButton(QWidget* parent, int row) {
  auto* button = new QPushButton("...", parent);
  button->setGeometry(kChooserButtonX, RowY(row) - 1, kChooserButtonSize, kChooserButtonSize);
  return button;
}

void BuildPair(BuiltRow& built, const RowDef& def, int row, QWidget* parent) {
  const int offset = SliderOffset(def);
  built.slider = new QSlider(Qt::Horizontal, parent);
  built.slider->setGeometry(kControlX, RowY(row), kSliderWidth, kFieldHeight);
  built.slider->setRange(def.minimum + offset, def.maximum + offset);
  built.spin = new PairSpinBox(def.scale == PairScale::Gamma, parent);
  built.spin->setGeometry(kSideX, RowY(row), kSideWidth, kFieldHeight);
  built.spin->setRange(def.minimum, def.maximum);
  QSlider* slider = built.slider;
  PairSpinBox* spin = built.spin;
  // Only a new value goes back: rewriting the spin box's text while the user
  // types in it would break the typing ("2" would turn into "2.00").
  QObject::connect(slider, &QSlider::valueChanged, spin, [spin, offset](int value) {
    if (spin->value() != value - offset) spin->setValue(value - offset);
  });
  QObject::connect(spin, &QSpinBox::valueChanged, slider,
                   [slider, offset](int value) { slider->setValue(value + offset); });
}

void BuildControls(BuiltRow& built, const RowDef& def, int row, QWidget* parent) {
  const int y = RowY(row);
  switch (def.kind) {
    case RowKind::Combo:
      built.combo = NewCombo(parent, kControlX, y, kControlWidth);
      AddItems(built.combo, def);
      break;
    case RowKind::LanguageCombo:
    case RowKind::ThemeCombo:
    case RowKind::FormatCombo:
    case RowKind::BitDepthCombo:
      built.combo = NewCombo(parent, kControlX, y, kControlWidth);
      break;
    case RowKind::CheckBox:
      built.check = new QCheckBox(parent);
      built.check->setGeometry(kControlX, y, kControlWidth, kFieldHeight);
      break;
    case RowKind::TextField:
      built.field = NewField(parent, kControlX, y, kControlWidth);
      break;
    case RowKind::NumberField:
      built.field = NewField(parent, kControlX, y, kNumberWidth);
      built.field->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), built.field));
      built.combo = NewCombo(parent, kSideX, y - 1, kSideWidth);
      AddItems(built.combo, def);
      break;
    case RowKind::SliderPair:
      BuildPair(built, def, row, parent);
      break;
    case RowKind::DateField:
      built.date = new QDateTimeEdit(parent);
      built.date->setGeometry(kControlX, y, kControlWidth, kComboHeight);
      built.date->setDisplayFormat(QtDateTimeFormat(kDateTimeFormat));
      built.date->setCalendarPopup(true);
      // Date values count local wall-clock seconds; as UTC they convert
      // without daylight-saving gaps.
      built.date->setTimeSpec(Qt::UTC);
      break;
    case RowKind::ColorButton:
      built.button = new QPushButton(parent);
      built.button->setGeometry(kControlX, y - 1, kSwatchButtonWidth, kChooserButtonSize);
      built.field = NewField(parent, kHexFieldX, y, kHexFieldWidth);
      built.field->setReadOnly(true);
      break;
    case RowKind::ColorCombo:
    case RowKind::FontCombo:
      built.combo = NewCombo(parent, kControlX, y, kChooserFieldWidth);
      built.button = NewChooserButton(parent, row);
      break;
    case RowKind::FileField:
      built.field = NewField(parent, kControlX, y, kChooserFieldWidth);
      built.button = NewChooserButton(parent, row);
      break;
  }
}

std::vector<QWidget*> RowWidgets(const BuiltRow& row) {
  std::vector<QWidget*> widgets;
  for (QWidget* widget : std::initializer_list<QWidget*>{row.label, row.combo, row.check, row.field, row.slider,
                                                         row.spin, row.date, row.button})
    if (widget) widgets.push_back(widget);
  return widgets;
}

}  // namespace

QString QtDateTimeFormat(const char* format) {
  static const std::pair<const char*, const char*> kTokens[] = {
      {"%yyyy", "yyyy"}, {"%yy", "yy"}, {"%mm", "MM"}, {"%dd", "dd"}, {"%hh", "HH"}, {"%ii", "mm"}, {"%ss", "ss"}};
  QString result, literal;
  // Text between the tokens with letters or quotes in it is quoted, so that
  // Qt reads none of it as a field.
  const auto flushLiteral = [&] {
    const bool plain = std::none_of(literal.begin(), literal.end(), [](QChar c) { return c.isLetter() || c == '\''; });
    result += plain ? literal : "'" + QString(literal).replace("'", "''") + "'";
    literal.clear();
  };
  for (std::string_view rest = format; !rest.empty();) {
    const auto token = std::find_if(std::begin(kTokens), std::end(kTokens),
                                    [rest](const auto& pair) { return rest.starts_with(pair.first); });
    if (token == std::end(kTokens)) {
      literal += rest.front();
      rest.remove_prefix(1);
      continue;
    }
    flushLiteral();
    result += token->second;
    rest.remove_prefix(std::string_view(token->first).size());
  }
  flushLiteral();
  return result;
}

BuiltRow BuildRow(const RowDef& def, int row, QWidget* parent) {
  BuiltRow built;
  built.def = &def;
  built.label = new QLabel(Text(def.label), parent);
  built.label->setGeometry(kLabelX, RowY(row) + 3, kLabelWidth, kFieldHeight);
  BuildControls(built, def, row, parent);
  if (def.hidden) SetRowVisible(built, false);
  return built;
}

void LoadRow(const BuiltRow& row) {
  const RowDef& def = *row.def;
  switch (def.kind) {
    case RowKind::Combo:
      row.combo->setCurrentIndex(def.section ? int(StoredNumber(def)) : 0);
      break;
    case RowKind::LanguageCombo:
      // The one language there is; its name is not translated.
      row.combo->clear();
      row.combo->addItem("English");
      row.combo->setCurrentIndex(0);
      break;
    case RowKind::ThemeCombo:
      FillThemeCombo(row.combo);
      break;
    case RowKind::FormatCombo:
      FillFormatCombo(row.combo, RowFormatList(def), StoredText(def), false);
      break;
    case RowKind::BitDepthCombo:
      FillBitDepthCombo(row.combo, row.panel, int(StoredNumber(def)));
      break;
    case RowKind::CheckBox:
      row.check->setChecked(StoredNumber(def) != 0);
      break;
    case RowKind::TextField:
    case RowKind::FileField:
      row.field->setText(QString::fromStdString(StoredText(def)));
      break;
    case RowKind::NumberField:
      row.field->setText(QString::number(StoredNumber(def)));
      row.combo->setCurrentIndex(def.unitKey ? int(SettingNumber(SettingRow(def.section, def.unitKey), g_settings))
                                             : 0);
      break;
    case RowKind::SliderPair:
      if (def.scale == PairScale::Gamma)
        row.spin->setValue(int(std::lround(std::clamp(SettingReal(*Setting(def), g_settings) * 100.0, -1e9, 1e9))));
      else
        row.spin->setValue(int(std::clamp<int64_t>(StoredNumber(def), def.minimum, def.maximum)));
      row.slider->setValue(row.spin->value() + SliderOffset(def));
      break;
    case RowKind::DateField:
      row.date->setDateTime(QDateTime::fromSecsSinceEpoch(StoredNumber(def), Qt::UTC));
      break;
    case RowKind::ColorButton:
      ShowColorRow(row.button, row.field, ParseColor(StoredText(def)));
      break;
    case RowKind::ColorCombo:
      FillColorCombo(row.combo, RowListSetting(def));
      SelectItemByData(row.combo, int(ParseColor(StoredText(def))));
      break;
    case RowKind::FontCombo: {
      FillFontCombo(row.combo);
      const int index =
          row.combo->findText(QString::fromStdString(StoredText(def)), Qt::MatchExactly | Qt::MatchCaseSensitive);
      if (index >= 0) row.combo->setCurrentIndex(index);
      break;
    }
  }
}

void StoreRow(const BuiltRow& row) {
  const RowDef& def = *row.def;
  if (!def.section) return;
  switch (def.kind) {
    case RowKind::Combo:
      // A combo left without a selection keeps the value it was given.
      if (row.combo->currentIndex() >= 0) StoreNumber(def, row.combo->currentIndex());
      break;
    case RowKind::LanguageCombo:
      StoredText(def) = "en";
      break;
    case RowKind::ThemeCombo: {
      // Without installed themes there is no id to store.
      const std::string id = ThemeIdAt(row.combo->currentIndex());
      if (!id.empty()) StoredText(def) = id;
      break;
    }
    case RowKind::FormatCombo: {
      const std::string key = SelectedFormatKey(row.combo, RowFormatList(def));
      if (!key.empty()) StoredText(def) = key;
      break;
    }
    case RowKind::BitDepthCombo:
      StoreNumber(def, SelectedBitDepth(row.combo));
      break;
    case RowKind::CheckBox:
      StoreNumber(def, row.check->isChecked() ? 1 : 0);
      break;
    case RowKind::TextField:
    case RowKind::FileField:
      StoredText(def) = CleanText(row.field->text().toStdString());
      break;
    case RowKind::NumberField:
      // Bounded, so a long run of digits cannot wrap into another number.
      StoreNumber(def, std::clamp<int64_t>(ReadLeadingInteger(row.field->text().toStdString(), false),
                                           std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
      if (def.unitKey && row.combo->currentIndex() >= 0)
        SetSettingNumber(SettingRow(def.section, def.unitKey), g_settings, row.combo->currentIndex());
      break;
    case RowKind::SliderPair:
      if (def.scale == PairScale::Gamma) SettingReal(*Setting(def), g_settings) = float(row.spin->value() / 100.0);
      else StoreNumber(def, row.spin->value());
      break;
    case RowKind::DateField:
      StoreNumber(def, row.date->dateTime().toSecsSinceEpoch());
      break;
    case RowKind::ColorButton:
      StoredText(def) = HexFromColor(ParseColor(row.field->text().toStdString()));
      break;
    case RowKind::ColorCombo:
      StoredText(def) = HexFromColor(ColorValue(row.combo->currentData().toUInt()));
      break;
    case RowKind::FontCombo:
      StoredText(def) = row.combo->currentText().toStdString();
      break;
  }
}

const std::vector<std::string>& RowFormatList(const RowDef& def) {
  return std::string_view(def.section) == "Input" ? ProductFormats().input : ProductFormats().output;
}

std::string& RowListSetting(const RowDef& def) {
  return SettingString(SettingRow(def.section, def.listKey), g_settings);
}

void SetRowEnabled(const BuiltRow& row, bool enabled) {
  for (QWidget* widget : RowWidgets(row)) widget->setEnabled(enabled);
}

void SetRowVisible(const BuiltRow& row, bool visible) {
  for (QWidget* widget : RowWidgets(row)) widget->setVisible(visible);
}

int RowChoice(const BuiltRow& row) {
  if (row.check) return row.check->isChecked() ? 1 : 0;
  return row.combo ? row.combo->currentIndex() : -1;
}

void OnRowChoiceChanged(const BuiltRow& row, std::function<void()> action) {
  if (row.check) QObject::connect(row.check, &QCheckBox::toggled, row.check, [action](bool) { action(); });
  else if (row.combo)
    QObject::connect(row.combo, &QComboBox::currentIndexChanged, row.combo, [action](int) { action(); });
}
