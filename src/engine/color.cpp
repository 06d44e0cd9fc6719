#include "engine/color.h"

namespace {

int HexDigitValue(char digit) {
  if (digit >= '0' && digit <= '9') return digit - '0';
  if (digit >= 'a' && digit <= 'f') return digit - 'a' + 10;
  if (digit >= 'A' && digit <= 'F') return digit - 'A' + 10;
  return -1;
}

uint8_t HexPairValue(std::string_view pair) {
  const int high = HexDigitValue(pair[0]);
  const int low = HexDigitValue(pair[1]);
  if (high < 0 || low < 0) return 0;
  return static_cast<uint8_t>(high * 16 + low);
}

}  // namespace

ColorValue ParseColor(std::string_view text) {
  if (text.size() != 6) return 0;
  const ColorValue red = HexPairValue(text.substr(0, 2));
  const ColorValue green = HexPairValue(text.substr(2, 2));
  const ColorValue blue = HexPairValue(text.substr(4, 2));
  return red | (green << 8) | (blue << 16);
}

RgbaColor ParseColorAlpha(std::string_view text, uint8_t alpha) {
  const ColorValue color = ParseColor(text);
  return {RedOf(color), GreenOf(color), BlueOf(color), alpha};
}
