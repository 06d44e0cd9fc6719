#include "platform/drawing.h"

Surface NewTransparentSurface(int width, int height) {
  if (width <= 0 || height <= 0) return nullptr;
  Surface surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
  if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
  return surface;  // cairo clears new image surfaces to transparent black
}

DrawingContext NewDrawingContext(const Surface& surface) {
  DrawingContext context(cairo_create(surface.get()));
  if (cairo_status(context.get()) != CAIRO_STATUS_SUCCESS) return nullptr;
  return context;
}

Surface WithConstantOpacity(const Surface& source, int opacity) {
  if (!source) return nullptr;
  Surface result = NewTransparentSurface(cairo_image_surface_get_width(source.get()),
                                         cairo_image_surface_get_height(source.get()));
  if (!result) return nullptr;
  DrawingContext context = NewDrawingContext(result);
  if (!context) return nullptr;
  cairo_set_source_surface(context.get(), source.get(), 0, 0);
  cairo_paint_with_alpha(context.get(), opacity / 255.0);
  cairo_surface_flush(result.get());
  return result;
}
