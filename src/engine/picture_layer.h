#pragma once
// The picture watermark drawn as an RGBA layer.
#include <string>

#include "platform/drawing.h"

// The BMP, JPEG or PNG file at path, alpha kept, optionally in grey, at the
// constant opacity; nullptr when it cannot be loaded.
Surface DrawPictureLayer(const std::string& path, bool greyscale, int opacity);
