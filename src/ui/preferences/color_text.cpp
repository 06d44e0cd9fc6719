#include "ui/preferences/color_text.h"

#include <cstdio>

#include "app/text_util.h"
#include "i18n/text_table.h"

namespace {

struct NamedColor {
  const char* key;  // text key in group "Preferences"
  const char* hex;
};

constexpr NamedColor kNamedColors[] = {
    {"Black", "000000"},  {"Silver", "C0C0C0"}, {"Gray", "808080"},   {"White", "FFFFFF"},
    {"Maroon", "800000"}, {"Red", "FF0000"},    {"Purple", "800080"}, {"Fuchsia", "FF00FF"},
    {"Green", "008000"},  {"Lime", "00FF00"},   {"Olive", "808000"},  {"Yellow", "FFFF00"},
    {"Navy", "000080"},   {"Blue", "0000FF"},   {"Teal", "008080"},   {"Aqua", "00FFFF"},
    {"Orange", "FF8000"}, {"Brown", "804000"},  {"Violet", "8000FF"},
};

}  // namespace

std::string HexFromColor(ColorValue color) {
  char text[7];
  std::snprintf(text, sizeof text, "%02X%02X%02X", unsigned(RedOf(color)), unsigned(GreenOf(color)),
                unsigned(BlueOf(color)));
  return text;
}

std::string ColorName(std::string_view hex) {
  const std::string upper = AsciiUpper(hex);
  for (const NamedColor& named : kNamedColors)
    if (upper == named.hex) return GetText("Preferences", named.key);
  return GetText("Preferences", "Color") + " #" + upper;
}
