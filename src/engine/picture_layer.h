#pragma once
// The picture watermark drawn as an RGBA layer.
#include <string>

#include "platform/drawing.h"

// Whether the checks before a run accept the file: something with content
// that is not a folder. Whether it decodes is learnt only when it is drawn.
bool WatermarkImageAccepted(const std::string& path);
// The BMP, JPEG or PNG file at path, alpha kept, optionally in grey, at the
// constant opacity; nullptr when it cannot be loaded.
Surface DrawPictureLayer(const std::string& path, bool greyscale, int opacity);
