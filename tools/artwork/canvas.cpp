#include "canvas.h"

bool NewCanvas(int width, int height, Canvas& canvas) {
  canvas.context.reset();
  canvas.surface.reset(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
  if (cairo_surface_status(canvas.surface.get()) != CAIRO_STATUS_SUCCESS) return false;
  canvas.context.reset(cairo_create(canvas.surface.get()));
  return cairo_status(canvas.context.get()) == CAIRO_STATUS_SUCCESS;
}

namespace {
cairo_status_t AppendBytes(void* target, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(target)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}
}  // namespace

bool EncodePng(cairo_surface_t* surface, std::string& png) {
  png.clear();
  cairo_surface_flush(surface);
  return cairo_surface_write_to_png_stream(surface, AppendBytes, &png) == CAIRO_STATUS_SUCCESS;
}

bool RenderPng(int width, int height, const std::function<void(cairo_t*)>& draw, std::string& png) {
  Canvas canvas;
  if (!NewCanvas(width, height, canvas)) return false;
  draw(canvas.context.get());
  return cairo_status(canvas.context.get()) == CAIRO_STATUS_SUCCESS && EncodePng(canvas.surface.get(), png);
}
