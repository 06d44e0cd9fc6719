#pragma once
// Loading pictures from outside data with FreeImage, never taking more
// memory than a real picture needs: the header is read first, and a picture
// that claims more pixels than kMaxLoadPixels is refused before FreeImage
// allocates anything for its pixels.
#include <string>

#include "engine/bitmap.h"

// Twice the largest PhotoCD resolution (6144 x 4096) and then some.
inline constexpr uint64_t kMaxLoadPixels = uint64_t(1) << 26;

Bitmap LoadBitmapFile(FREE_IMAGE_FORMAT format, const std::string& path);
