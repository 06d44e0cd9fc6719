#pragma once
// Owning handle of a FreeImage bitmap. Every pipeline step takes the bitmap
// by value and returns the one to go on with, so a replaced bitmap is
// released by the step that replaces it and a null bitmap passes through.
#include <FreeImage.h>

#include <memory>

struct BitmapUnloader {
  void operator()(FIBITMAP* bitmap) const { FreeImage_Unload(bitmap); }
};
using Bitmap = std::unique_ptr<FIBITMAP, BitmapUnloader>;

inline unsigned BitsPerPixel(const Bitmap& bitmap) { return bitmap ? FreeImage_GetBPP(bitmap.get()) : 0; }
inline unsigned WidthOf(const Bitmap& bitmap) { return bitmap ? FreeImage_GetWidth(bitmap.get()) : 0; }
inline unsigned HeightOf(const Bitmap& bitmap) { return bitmap ? FreeImage_GetHeight(bitmap.get()) : 0; }

// Replaces the bitmap by its 24-bit copy (nullptr when the copy fails).
inline Bitmap ConvertTo24(Bitmap bitmap) {
  if (!bitmap) return bitmap;
  return Bitmap(FreeImage_ConvertTo24Bits(bitmap.get()));
}
