#pragma once
// Handing drawn RGBA layers to FreeImage and laying them over the image.
#include <cairo.h>

#include "engine/bitmap.h"
#include "engine/color.h"
#include "platform/drawing.h"

struct Region {
  int x = 0, y = 0, width = 0, height = 0;
};

// Sets the colour cairo draws with next.
void SetSourceColor(cairo_t* context, const RgbaColor& color);
// The colour as one pixel of a cairo ARGB32 surface (premultiplied).
uint32_t PremultipliedPixel(const RgbaColor& color);

// A 32-bit FreeImage bitmap with straight (not premultiplied) alpha holding
// the surface's pixels, or those of a region of it; cairo keeps
// premultiplied ARGB.
Bitmap BitmapFromSurface(cairo_surface_t* surface);
Bitmap BitmapFromSurface(cairo_surface_t* surface, const Region& region);
// The inverse, for pictures loaded with FreeImage: a premultiplied surface
// of a 32-bit bitmap.
Surface SurfaceFromBitmap(FIBITMAP* bitmap);
// Composites a 32-bit layer over the part of the 24-bit image whose
// top-left corner is (x, y), in place. Only that part is touched: where a
// layer would be transparent the image stays as it is, so compositing the
// covered part alone gives the picture a full-size layer would, at a
// fraction of the cost. False when the layer does not lie inside the image
// or FreeImage cannot composite it.
bool CompositeOver(FIBITMAP* image, FIBITMAP* layer, int x, int y);
