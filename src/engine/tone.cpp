#include "engine/tone.h"

#include "app/settings.h"

namespace {

// Replaces the bitmap by its 24-bit copy when its depth lies outside what
// the next FreeImage call handles.
Bitmap To24BitsUnlessWithin(Bitmap bitmap, unsigned lowestBpp, unsigned highestBpp) {
  const unsigned bpp = BitsPerPixel(bitmap);
  if (bpp < lowestBpp || bpp > highestBpp) return ConvertTo24(std::move(bitmap));
  return bitmap;
}

FREE_IMAGE_DITHER DitherAlgorithm(int algorithm) {
  switch (algorithm) {
    case 1: return FID_BAYER4x4;
    case 2: return FID_BAYER8x8;
    case 3: return FID_BAYER16x16;
    case 4: return FID_CLUSTER6x6;
    case 5: return FID_CLUSTER8x8;
    case 6: return FID_CLUSTER16x16;
    default: return FID_FS;
  }
}

}  // namespace

Bitmap ColorCorrectionStep(Bitmap bitmap) {
  const AdjustmentSettings& adjustment = g_settings.Adjustment;
  if (!bitmap || !adjustment.DoImageColorCorrection) return bitmap;
  bitmap = To24BitsUnlessWithin(std::move(bitmap), 8, 32);
  if (!bitmap) return bitmap;
  // Works in place; 16-bit bitmaps are refused by FreeImage and go on as
  // they are.
  FreeImage_AdjustColors(bitmap.get(), adjustment.ImageBrightness, adjustment.ImageContrast,
                         adjustment.ImageGamma, adjustment.ImageInvert ? TRUE : FALSE);
  return bitmap;
}

Bitmap GreyscaleStep(Bitmap bitmap) {
  if (!bitmap || !g_settings.Adjustment.DoImageGreyscale) return bitmap;
  bitmap = To24BitsUnlessWithin(std::move(bitmap), 0, 32);
  if (!bitmap) return bitmap;
  return Bitmap(FreeImage_ConvertToGreyscale(bitmap.get()));
}

Bitmap ThresholdStep(Bitmap bitmap) {
  const AdjustmentSettings& adjustment = g_settings.Adjustment;
  if (!bitmap || !adjustment.DoImageThreshold) return bitmap;
  bitmap = To24BitsUnlessWithin(std::move(bitmap), 4, 32);
  if (!bitmap) return bitmap;
  return Bitmap(FreeImage_Threshold(bitmap.get(), static_cast<BYTE>(adjustment.ImageThreshold)));
}

Bitmap DitherStep(Bitmap bitmap) {
  const AdjustmentSettings& adjustment = g_settings.Adjustment;
  if (!bitmap || !adjustment.DoImageDither) return bitmap;
  bitmap = To24BitsUnlessWithin(std::move(bitmap), 4, 32);
  if (!bitmap) return bitmap;
  return Bitmap(FreeImage_Dither(bitmap.get(), DitherAlgorithm(adjustment.ImageDitherAlgorithm)));
}
