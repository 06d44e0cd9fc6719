#pragma once
// The rows of the Preferences pages: tables say what each row shows and which
// setting it edits; one builder per kind of row makes the controls on the
// row grid, and one loader and one storer per kind move values between the
// controls and the settings.
#include <QString>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>
#include <span>

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QDateTimeEdit;
class QLabel;
class QLineEdit;
class QSlider;
class QWidget;
class PairSpinBox;

enum class RowKind : uint8_t {
  Combo,          // items by text key; the setting holds the selected index
  CheckBox,       // ticked stores 1
  TextField,      // stored through CleanText
  NumberField,    // digits only, with a unit combo beside it
  SliderPair,     // track bar and spin box showing one value
  DateField,
  ColorButton,    // swatch button and read-only RRGGBB field
  ColorCombo,     // the colours of a list by name, and "..." to add one
  FontCombo,      // the font list, and "..." for the font chooser
  FileField,      // a path, and "..." for the file chooser; stored through CleanText
  LanguageCombo,  // the one language
  ThemeCombo,     // the installed themes by display name
  FormatCombo,    // the product's input or output formats, by the row's section
  BitDepthCombo,  // "Auto" and the bit depths of the panel's format
};

// How the track bar of a pair relates to its spin box.
enum class PairScale : uint8_t {
  Same,
  Offset100,  // the track bar shows the value + 100
  Gamma,      // both hold gamma x 100; the spin box shows gamma with two decimals
};

struct RowDef {
  const char* label;  // text key of the label
  RowKind kind;
  const char* section = nullptr;  // the setting the row edits; none when nullptr
  const char* key = nullptr;
  std::span<const char* const> items = {};  // text keys of the combo's or the unit combo's items
  std::span<const int> itemValues = {};     // values the combo's items carry; their index when empty
  int minimum = 0, maximum = 0;             // spin box range of a pair
  PairScale scale = PairScale::Same;
  const char* unitKey = nullptr;  // setting of the unit combo, in the row's section; unstored when nullptr
  const char* listKey = nullptr;  // the colour or font list of the row, in the row's section
  bool hidden = false;            // built and stored, never shown
};

// Rows as the page tables spell them.
constexpr RowDef PlainRow(const char* label, RowKind kind, const char* section, const char* key) {
  return {.label = label, .kind = kind, .section = section, .key = key};
}
constexpr RowDef ComboRow(const char* label, const char* section, const char* key,
                          std::span<const char* const> items, std::span<const int> itemValues = {}) {
  return {.label = label, .kind = RowKind::Combo, .section = section, .key = key, .items = items,
          .itemValues = itemValues};
}
constexpr RowDef CheckRow(const char* label, const char* section, const char* key, bool hidden = false) {
  return {.label = label, .kind = RowKind::CheckBox, .section = section, .key = key, .hidden = hidden};
}
constexpr RowDef NumberRow(const char* label, const char* section, const char* key,
                           std::span<const char* const> units, const char* unitKey = nullptr) {
  return {.label = label, .kind = RowKind::NumberField, .section = section, .key = key, .items = units,
          .unitKey = unitKey};
}
constexpr RowDef PairRow(const char* label, const char* section, const char* key, int minimum, int maximum,
                         PairScale scale = PairScale::Same) {
  return {.label = label, .kind = RowKind::SliderPair, .section = section, .key = key, .minimum = minimum,
          .maximum = maximum, .scale = scale};
}
constexpr RowDef ListRow(const char* label, RowKind kind, const char* section, const char* key, const char* listKey) {
  return {.label = label, .kind = kind, .section = section, .key = key, .listKey = listKey};
}

// The controls built for a row; only those of its kind are set.
struct BuiltRow {
  const RowDef* def = nullptr;
  int page = 0;
  const char* panel = nullptr;  // name of the holding panel; nullptr on the page itself
  QLabel* label = nullptr;
  QComboBox* combo = nullptr;  // every combo kind; the unit combo of a number field
  QCheckBox* check = nullptr;
  QLineEdit* field = nullptr;  // text, number, file and hex fields
  QSlider* slider = nullptr;
  PairSpinBox* spin = nullptr;
  QDateTimeEdit* date = nullptr;
  QAbstractButton* button = nullptr;  // the swatch or "..." button
};

// Builds row number `row` of a page or panel into parent. Pairs are coupled
// here; the choosers are connected by the window.
BuiltRow BuildRow(const RowDef& def, int row, QWidget* parent);
void LoadRow(const BuiltRow& row);
void StoreRow(const BuiltRow& row);
// The label and every control of the row together.
void SetRowEnabled(const BuiltRow& row, bool enabled);
void SetRowVisible(const BuiltRow& row, bool visible);
// A check box's state (0 or 1) or a combo's selected index (-1 for none).
int RowChoice(const BuiltRow& row);
// The product's formats a format combo offers: input or output by section.
const std::vector<std::string>& RowFormatList(const RowDef& def);
// The colour or font list a row offers and extends.
std::string& RowListSetting(const RowDef& def);
// Runs action whenever RowChoice changes.
void OnRowChoiceChanged(const BuiltRow& row, std::function<void()> action);

// "%yyyy/%mm/%dd %hh:%ii" as a Qt display format: "yyyy/MM/dd HH:mm".
QString QtDateTimeFormat(const char* format);
