#pragma once
// Small image helpers for tests: reading results and writing fixtures.
#include <FreeImage.h>

#include <cstdint>
#include <string>

#include "engine/bitmap.h"

Bitmap LoadImageFile(const std::string& path);
// The pixel at (x, y) counted from the top-left corner.
RGBQUAD PixelFromTop(FIBITMAP* bitmap, unsigned x, unsigned y);
// A 24-bit TGA: the top half red, the bottom half blue.
void WriteTwoToneTga(const std::string& path, unsigned width, unsigned height);
// 24-bit bitmap of one colour, given as 0xRRGGBB.
Bitmap SolidBitmap(unsigned width, unsigned height, uint32_t rgb);
// 0xRRGGBB of a pixel of a 24- or 32-bit bitmap, rows counted from the bottom.
uint32_t RgbAt(const Bitmap& bitmap, unsigned x, unsigned y);
// Same size, depth and scan-line bytes.
bool SamePixels(const Bitmap& a, const Bitmap& b);
bool IsReddish(const RGBQUAD& pixel);
bool IsBluish(const RGBQUAD& pixel);
