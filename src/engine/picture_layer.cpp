#include "engine/picture_layer.h"

#include <algorithm>

#include "engine/bitmap.h"
#include "engine/bitmap_loading.h"
#include "engine/overlay.h"
#include "platform/files.h"

namespace {

// The formats the watermark image chooser offers.
bool IsWatermarkFormat(FREE_IMAGE_FORMAT format) {
  return format == FIF_BMP || format == FIF_JPEG || format == FIF_PNG;
}

Bitmap LoadPicture(const std::string& path) {
  const FREE_IMAGE_FORMAT format = FreeImage_GetFileType(path.c_str(), 0);
  if (!IsWatermarkFormat(format)) return nullptr;
  Bitmap picture = LoadBitmapFile(format, path);
  if (!picture || FreeImage_GetImageType(picture.get()) != FIT_BITMAP) return nullptr;
  return Bitmap(FreeImage_ConvertTo32Bits(picture.get()));
}

void MakeGrey(FIBITMAP* bitmap) {
  const unsigned width = FreeImage_GetWidth(bitmap), height = FreeImage_GetHeight(bitmap);
  for (unsigned y = 0; y < height; ++y) {
    BYTE* pixel = FreeImage_GetScanLine(bitmap, y);
    for (unsigned x = 0; x < width; ++x, pixel += 4) {
      const BYTE grey =
          BYTE((77 * pixel[FI_RGBA_RED] + 150 * pixel[FI_RGBA_GREEN] + 29 * pixel[FI_RGBA_BLUE]) >> 8);
      pixel[FI_RGBA_RED] = pixel[FI_RGBA_GREEN] = pixel[FI_RGBA_BLUE] = grey;
    }
  }
}

}  // namespace

bool WatermarkImageAccepted(const std::string& path) { return FileSize(path) > 0 && !IsFolder(path); }

Surface DrawPictureLayer(const std::string& path, bool greyscale, int opacity) {
  Bitmap picture = LoadPicture(path);
  if (!picture) return nullptr;
  if (greyscale) MakeGrey(picture.get());
  // Drawn on a transparent surface for every picture, so the opacity makes
  // an opaque JPEG or BMP see-through instead of darkening it.
  return WithConstantOpacity(SurfaceFromBitmap(picture.get()), std::clamp(opacity, 0, 255));
}
