#pragma once
// Colour values as the Preferences window shows them: six upper-case hex
// digits, and the names of the well-known colours.
#include <string>
#include <string_view>

#include "engine/color.h"

// Red, green and blue as two upper-case hexadecimal digits each: "FF8000".
std::string HexFromColor(ColorValue color);
// The localized name of a named colour ("ff8000" gives "Orange"), else the
// localized word "Color", " #" and the hex text in upper case.
std::string ColorName(std::string_view hex);
