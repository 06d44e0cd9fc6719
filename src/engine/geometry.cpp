#include "engine/geometry.h"

#include <cmath>

#include "app/settings.h"
#include "engine/color.h"

namespace {

FREE_IMAGE_FILTER ResizeFilter(int algorithm) {
  switch (algorithm) {
    case 0: return FILTER_BOX;
    case 1: return FILTER_BILINEAR;
    case 2: return FILTER_BSPLINE;
    case 3: return FILTER_BICUBIC;
    case 4: return FILTER_CATMULLROM;
    case 5: return FILTER_LANCZOS3;
    default: return FILTER_BICUBIC;
  }
}

RGBQUAD QuadOf(ColorValue color) {
  RGBQUAD quad{};
  quad.rgbRed = RedOf(color);
  quad.rgbGreen = GreenOf(color);
  quad.rgbBlue = BlueOf(color);
  return quad;
}

// The other side of a target that keeps the proportions. Single precision on
// purpose: the derived side must round as users know it (a width of 800 on
// 3072 x 2048 gives a height of 533).
int ProportionalSide(int targetSide, int longSide, int shortSide) {
  const float ratio = static_cast<float>(longSide) / static_cast<float>(shortSide);
  return static_cast<int>(std::lround(static_cast<float>(targetSide) / ratio));
}

}  // namespace

int ResolveSize(int value, int unit, int current) {
  if (unit == 0) return value;
  if (unit == 1) return static_cast<int>(std::lround(value / 100.0 * current));
  return 0;
}

Bitmap RotateStep(Bitmap bitmap) {
  const TransformSettings& transform = g_settings.Transform;
  if (!bitmap || !transform.DoImageRotation) return bitmap;
  if (transform.ImageRotation <= 0 || transform.ImageRotation >= 360) return bitmap;

  const double width = WidthOf(bitmap);
  const double height = HeightOf(bitmap);
  // The background is an RGB value, which FreeImage applies to 24- and 32-bit
  // bitmaps only.
  const unsigned bpp = BitsPerPixel(bitmap);
  if (bpp <= 16 || bpp > 32) bitmap = ConvertTo24(std::move(bitmap));
  if (!bitmap) return bitmap;

  const double angle = transform.ImageRotation;
  switch (transform.ImageRotationType) {
    case 0: {
      const RGBQUAD background = QuadOf(ParseColor(transform.ImageRotationBackColor));
      return Bitmap(FreeImage_Rotate(bitmap.get(), angle, &background));
    }
    case 1:
      return Bitmap(FreeImage_RotateEx(bitmap.get(), angle, 0, 0, width / 2, height / 2, FALSE));
    default:
      return bitmap;
  }
}

Bitmap ResizeStep(Bitmap bitmap, int currentWidth, int currentHeight) {
  const TransformSettings& transform = g_settings.Transform;
  if (!bitmap || !transform.DoImageResize) return bitmap;

  const int targetWidth =
      ResolveSize(transform.ImageWidth, transform.ImageWidthUnit, currentWidth);
  const int targetHeight =
      ResolveSize(transform.ImageHeight, transform.ImageHeightUnit, currentHeight);
  if (targetWidth <= 0 || targetHeight <= 0) return bitmap;
  if (targetWidth == currentWidth && targetHeight == currentHeight) return bitmap;
  const bool smallerBothWays = currentWidth < targetWidth && currentHeight < targetHeight;
  if (transform.ImageResizeType == 1 && smallerBothWays) return bitmap;

  int newWidth = targetWidth;
  int newHeight = targetHeight;
  if (transform.KeepAspectRatio) {
    if (currentWidth >= currentHeight)
      newHeight = ProportionalSide(targetWidth, currentWidth, currentHeight);
    else
      newWidth = ProportionalSide(targetHeight, currentHeight, currentWidth);
  }
  return Bitmap(FreeImage_Rescale(bitmap.get(), newWidth, newHeight,
                                  ResizeFilter(transform.ImageResizeAlgorithm)));
}

void FlipStep(FIBITMAP* bitmap) {
  if (!bitmap) return;
  if (g_settings.Transform.DoImageFlipHorizontal) FreeImage_FlipHorizontal(bitmap);
  if (g_settings.Transform.DoImageFlipVertical) FreeImage_FlipVertical(bitmap);
}
