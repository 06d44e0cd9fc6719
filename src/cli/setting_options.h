#pragma once
// Storing an option's value into the setting its table row names, the way
// the command line and profile files share.
#include <string>

#include "app/setting_table.h"

// Reads value by the row's option kind (NUM, decimal, keyword, TEXT as
// given, flags ignore it) and switches on the row's Do flag.
void ApplySettingOption(const SettingDef& def, const std::string& value);
