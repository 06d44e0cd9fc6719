#pragma once
// The colour controls of the Preferences pages: swatches, the colour combos
// of the watermark text and the swatch buttons of the colour rows.
#include <QPixmap>

#include <string>

#include "engine/color.h"

class QAbstractButton;
class QComboBox;
class QLineEdit;
class QWidget;

QPixmap ColorSwatch(ColorValue color, int width, int height);
// One item per entry of the comma-separated list: its ColorName, a 16 x 16
// swatch and the colour value; the first item is selected.
void FillColorCombo(QComboBox* combo, const std::string& list);
// Selects the first item carrying value; no such item leaves the selection.
void SelectItemByData(QComboBox* combo, int value);

// The swatch button and hex field of a colour row showing a colour.
void ShowColorRow(QAbstractButton* button, QLineEdit* field, ColorValue color);
// Offers the colour chooser for a colour row; a new colour is shown.
void ChooseColor(QAbstractButton* button, QLineEdit* field);
// Offers the colour chooser for a colour combo. A colour the list setting
// lacks is appended to the combo and to the setting at once; the chosen
// colour is selected.
void AddCustomColor(QComboBox* combo, std::string& listSetting);
