#include "engine/overlay.h"

#include <cstdint>

namespace {

uint32_t Unpremultiply(uint32_t channel, uint32_t alpha) { return alpha ? (channel * 255 + alpha / 2) / alpha : 0; }

}  // namespace

void SetSourceColor(cairo_t* context, const RgbaColor& color) {
  cairo_set_source_rgba(context, color.red / 255.0, color.green / 255.0, color.blue / 255.0, color.alpha / 255.0);
}

uint32_t PremultipliedPixel(const RgbaColor& color) {
  const auto scale = [&](uint8_t channel) { return (uint32_t(channel) * color.alpha + 127) / 255; };
  return uint32_t(color.alpha) << 24 | scale(color.red) << 16 | scale(color.green) << 8 | scale(color.blue);
}

Bitmap BitmapFromSurface(cairo_surface_t* surface) {
  if (!surface) return nullptr;
  return BitmapFromSurface(surface, {0, 0, cairo_image_surface_get_width(surface), cairo_image_surface_get_height(surface)});
}

Bitmap BitmapFromSurface(cairo_surface_t* surface, const Region& region) {
  if (!surface || region.width <= 0 || region.height <= 0) return nullptr;
  cairo_surface_flush(surface);
  if (region.x < 0 || region.y < 0 || region.x + region.width > cairo_image_surface_get_width(surface) ||
      region.y + region.height > cairo_image_surface_get_height(surface))
    return nullptr;
  const int stride = cairo_image_surface_get_stride(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  Bitmap bitmap(FreeImage_Allocate(region.width, region.height, 32));
  if (!bitmap || !data) return nullptr;
  for (int y = 0; y < region.height; ++y) {
    const auto* source =
        reinterpret_cast<const uint32_t*>(data + size_t(region.y + y) * size_t(stride)) + region.x;
    // FreeImage rows run bottom-up.
    BYTE* target = FreeImage_GetScanLine(bitmap.get(), region.height - 1 - y);
    for (int x = 0; x < region.width; ++x, target += 4) {
      const uint32_t pixel = source[x], alpha = pixel >> 24;
      uint32_t red = (pixel >> 16) & 0xFF, green = (pixel >> 8) & 0xFF, blue = pixel & 0xFF;
      if (alpha != 255) red = Unpremultiply(red, alpha), green = Unpremultiply(green, alpha), blue = Unpremultiply(blue, alpha);
      target[FI_RGBA_RED] = BYTE(red);
      target[FI_RGBA_GREEN] = BYTE(green);
      target[FI_RGBA_BLUE] = BYTE(blue);
      target[FI_RGBA_ALPHA] = BYTE(alpha);
    }
  }
  return bitmap;
}

Surface SurfaceFromBitmap(FIBITMAP* bitmap) {
  if (!bitmap || FreeImage_GetBPP(bitmap) != 32) return nullptr;
  const int width = int(FreeImage_GetWidth(bitmap)), height = int(FreeImage_GetHeight(bitmap));
  Surface surface = NewTransparentSurface(width, height);
  if (!surface) return nullptr;
  unsigned char* data = cairo_image_surface_get_data(surface.get());
  const int stride = cairo_image_surface_get_stride(surface.get());
  for (int y = 0; y < height; ++y) {
    const BYTE* source = FreeImage_GetScanLine(bitmap, height - 1 - y);
    auto* target = reinterpret_cast<uint32_t*>(data + size_t(y) * size_t(stride));
    for (int x = 0; x < width; ++x, source += 4)
      target[x] = PremultipliedPixel(
          {source[FI_RGBA_RED], source[FI_RGBA_GREEN], source[FI_RGBA_BLUE], source[FI_RGBA_ALPHA]});
  }
  cairo_surface_mark_dirty(surface.get());
  return surface;
}

bool CompositeOver(FIBITMAP* image, FIBITMAP* layer, int x, int y) {
  if (!image || !layer) return false;
  const int width = int(FreeImage_GetWidth(layer)), height = int(FreeImage_GetHeight(layer));
  if (x < 0 || y < 0 || x + width > int(FreeImage_GetWidth(image)) || y + height > int(FreeImage_GetHeight(image)))
    return false;
  Bitmap part(FreeImage_Copy(image, x, y, x + width, y + height));
  Bitmap composited(part ? FreeImage_Composite(layer, FALSE, nullptr, part.get()) : nullptr);
  // Above 255 FreeImage copies instead of blending.
  constexpr int kCopy = 256;
  return composited && FreeImage_Paste(image, composited.get(), x, y, kCopy);
}
