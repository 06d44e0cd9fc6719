#pragma once
// Small image helpers for tests: reading results and writing fixtures.
#include <FreeImage.h>

#include <string>

#include "engine/bitmap.h"

Bitmap LoadImageFile(const std::string& path);
// The pixel at (x, y) counted from the top-left corner.
RGBQUAD PixelFromTop(FIBITMAP* bitmap, unsigned x, unsigned y);
// A 24-bit TGA: the top half red, the bottom half blue.
void WriteTwoToneTga(const std::string& path, unsigned width, unsigned height);
bool IsReddish(const RGBQUAD& pixel);
bool IsBluish(const RGBQUAD& pixel);
