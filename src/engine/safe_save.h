#pragma once
// Saving without ever leaving a partial file: the image is written to a
// temporary file in the target's folder and renamed over the target only
// when every byte was written.
#include <FreeImage.h>

#include <string>

bool SaveBitmapSafely(FREE_IMAGE_FORMAT format, FIBITMAP* bitmap, const std::string& path, int flags);
