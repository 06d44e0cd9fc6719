#pragma once
// The theme combo of the Interface page: the installed themes by display
// name, in the order of their ids (ascending, ignoring letter case).
#include <string>

class QComboBox;

// One item per theme, selecting the one [Interface] UI Theme names (the
// first when none); a theme without a display name is listed by its id.
// Without themes the single item "None".
void FillThemeCombo(QComboBox* combo);
// The id of item n; "" when there is no such theme.
std::string ThemeIdAt(int n);
