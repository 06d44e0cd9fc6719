#pragma once
#include <QComboBox>

// One item per output format of the product, in list order: "JPG (JPEG File
// Format)" with the menu icon "New" and the format's index as its data; the
// item of [Output] Format is selected (the first when none is).
void FillOutputFormatCombo(QComboBox* combo);
// The format key of the selected item; "" when none.
std::string SelectedOutputFormatKey(const QComboBox* combo);
