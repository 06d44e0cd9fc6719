#pragma once
// Colour values and their six-digit RRGGBB text form.
#include <cstdint>
#include <string_view>

// Red in bits 0-7, green in bits 8-15, blue in bits 16-23.
using ColorValue = uint32_t;

inline uint8_t RedOf(ColorValue color) { return static_cast<uint8_t>(color); }
inline uint8_t GreenOf(ColorValue color) { return static_cast<uint8_t>(color >> 8); }
inline uint8_t BlueOf(ColorValue color) { return static_cast<uint8_t>(color >> 16); }

struct RgbaColor {
  uint8_t red = 0;
  uint8_t green = 0;
  uint8_t blue = 0;
  uint8_t alpha = 0;
  bool operator==(const RgbaColor&) const = default;
};

// "RRGGBB" in either letter case. A text whose length is not 6 is black; a
// pair that is not two hexadecimal digits gives 0 for its own part only.
ColorValue ParseColor(std::string_view text);
// ParseColor's red, green and blue with the given alpha.
RgbaColor ParseColorAlpha(std::string_view text, uint8_t alpha);
