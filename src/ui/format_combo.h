#pragma once
// Combos that offer the product's formats: one item per non-empty key of a
// format list, with the menu icon "New", carrying the key's position in the
// list as its data.
#include <QComboBox>

#include <string>
#include <vector>

// Item texts are the keys in upper case, or with descriptions the output
// registry's display names ("JPG (JPEG File Format)"). The item of
// selectedKey is selected, else the first.
void FillFormatCombo(QComboBox* combo, const std::vector<std::string>& keys, const std::string& selectedKey,
                     bool withDescriptions);
// Selects the item of key; the selection stays when no item has it.
void SelectFormatKey(QComboBox* combo, const std::vector<std::string>& keys, const std::string& key);
// The key at the position the selected item carries; "" when none.
std::string SelectedFormatKey(const QComboBox* combo, const std::vector<std::string>& keys);
