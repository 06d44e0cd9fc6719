#include "support/images.h"

#include <cstring>

Bitmap LoadImageFile(const std::string& path) {
  FREE_IMAGE_FORMAT format = FreeImage_GetFileType(path.c_str(), 0);
  if (format == FIF_UNKNOWN) format = FreeImage_GetFIFFromFilename(path.c_str());
  return Bitmap(FreeImage_Load(format, path.c_str(), 0));
}

RGBQUAD PixelFromTop(FIBITMAP* bitmap, unsigned x, unsigned y) {
  RGBQUAD pixel{};
  const unsigned height = FreeImage_GetHeight(bitmap);
  if (FreeImage_GetBPP(bitmap) <= 8) {
    BYTE index = 0;
    FreeImage_GetPixelIndex(bitmap, x, height - 1 - y, &index);
    const RGBQUAD* palette = FreeImage_GetPalette(bitmap);
    return palette ? palette[index] : RGBQUAD{index, index, index, 0};
  }
  FreeImage_GetPixelColor(bitmap, x, height - 1 - y, &pixel);
  return pixel;
}

void WriteTwoToneTga(const std::string& path, unsigned width, unsigned height) {
  Bitmap bitmap(FreeImage_Allocate(int(width), int(height), 24));
  for (unsigned y = 0; y < height; ++y)
    for (unsigned x = 0; x < width; ++x) {
      // FreeImage rows count from the bottom.
      RGBQUAD color = y >= height / 2 ? RGBQUAD{0, 0, 255, 0} : RGBQUAD{255, 0, 0, 0};
      FreeImage_SetPixelColor(bitmap.get(), x, y, &color);
    }
  FreeImage_Save(FIF_TARGA, bitmap.get(), path.c_str(), 0);
}

bool IsReddish(const RGBQUAD& pixel) { return pixel.rgbRed > 200 && pixel.rgbBlue < 60 && pixel.rgbGreen < 60; }
bool IsBluish(const RGBQUAD& pixel) { return pixel.rgbBlue > 200 && pixel.rgbRed < 60 && pixel.rgbGreen < 60; }

Bitmap SolidBitmap(unsigned width, unsigned height, uint32_t rgb) {
  Bitmap bitmap(FreeImage_Allocate(width, height, 24));
  BYTE* firstRow = FreeImage_GetScanLine(bitmap.get(), 0);
  for (unsigned x = 0; x < width; ++x) {
    firstRow[x * 3 + FI_RGBA_RED] = static_cast<BYTE>(rgb >> 16);
    firstRow[x * 3 + FI_RGBA_GREEN] = static_cast<BYTE>(rgb >> 8);
    firstRow[x * 3 + FI_RGBA_BLUE] = static_cast<BYTE>(rgb);
  }
  for (unsigned y = 1; y < height; ++y)
    std::memcpy(FreeImage_GetScanLine(bitmap.get(), y), firstRow, width * 3);
  return bitmap;
}

uint32_t RgbAt(const Bitmap& bitmap, unsigned x, unsigned y) {
  RGBQUAD quad{};
  FreeImage_GetPixelColor(bitmap.get(), x, y, &quad);
  return (uint32_t{quad.rgbRed} << 16) | (uint32_t{quad.rgbGreen} << 8) | quad.rgbBlue;
}

bool SamePixels(const Bitmap& a, const Bitmap& b) {
  if (WidthOf(a) != WidthOf(b) || HeightOf(a) != HeightOf(b) || BitsPerPixel(a) != BitsPerPixel(b))
    return false;
  const unsigned rowBytes = FreeImage_GetLine(a.get());
  for (unsigned y = 0; y < HeightOf(a); ++y)
    if (std::memcmp(FreeImage_GetScanLine(a.get(), y), FreeImage_GetScanLine(b.get(), y), rowBytes))
      return false;
  return true;
}
