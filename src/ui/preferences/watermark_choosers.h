#pragma once
// The font list and the two choosers of the watermark panels.
class QComboBox;
class QLineEdit;

// [Watermark] Fonts, one item per entry, the first selected; an empty list
// is first set to [Watermark] Font.
void FillFontCombo(QComboBox* combo);
// Offers the font chooser preset to the combo's font and the size field. A
// face the list lacks is appended to the combo and to [Watermark] Fonts at
// once; the face is selected and the size and style fields follow the
// choice.
void ChooseFont(QComboBox* fontCombo, QLineEdit* sizeField, QComboBox* styleCombo);
// Offers the open-file chooser for the watermark image; a chosen file's full
// path goes into the field.
void ChooseWatermarkImage(QLineEdit* field);

// Values the style items carry: the font chooser's bold and italic flags.
inline constexpr int kBoldStyleValue = 256;
inline constexpr int kItalicStyleValue = 512;
