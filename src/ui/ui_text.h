#pragma once
// Texts of the built-in table as the toolkit takes them.
#include <QString>

#include <string_view>

#include "i18n/text_table.h"

inline QString UiText(std::string_view group, std::string_view key) {
  return QString::fromStdString(GetText(group, key));
}
