#pragma once
// PNG decoding of built-in and theme pictures. Theme packages are outside
// data, so a picture too large for an icon is refused before any pixel
// memory is taken.
#include <string_view>

#include "themes/picture.h"

// Icons and buttons are shown at 64 pixels at most; a package holds a few
// dozen pictures, so this bounds what one package can make us allocate.
inline constexpr int kMaxPictureSide = 1024;

// Decodes PNG data into RGBA. False, with the picture untouched, for data
// that is not a whole, valid PNG or whose width or height exceeds
// kMaxPictureSide.
bool DecodePng(std::string_view data, Picture& picture);
