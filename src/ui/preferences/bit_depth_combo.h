#pragma once
// The "Bits Per Pixel" combos of the output panels.
#include <string>
#include <vector>

class QComboBox;

// "Auto", then the format's allowed depths. Depth 0 selects "Auto", another
// depth the item showing it; a depth the format does not allow leaves the
// combo without a selection.
void FillBitDepthCombo(QComboBox* combo, const std::string& formatKey, int depth);
// The depth the selection stands for; 0 for "Auto" or no selection.
int SelectedBitDepth(const QComboBox* combo);
