#include "support/images.h"

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
