#include "engine/bitmap_loading.h"

Bitmap LoadBitmapFile(FREE_IMAGE_FORMAT format, const std::string& path) {
  if (FreeImage_FIFSupportsNoPixels(format)) {
    Bitmap header(FreeImage_Load(format, path.c_str(), FIF_LOAD_NOPIXELS));
    if (!header) return nullptr;
    const uint64_t pixels = uint64_t(FreeImage_GetWidth(header.get())) * FreeImage_GetHeight(header.get());
    if (pixels == 0 || pixels > kMaxLoadPixels) return nullptr;
  }
  return Bitmap(FreeImage_Load(format, path.c_str(), 0));
}
