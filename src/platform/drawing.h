#pragma once
// Owning handles of cairo objects, and the few drawing operations the
// pipeline's overlays need.
#include <cairo.h>

#include <memory>

struct SurfaceDestroyer {
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct ContextDestroyer {
  void operator()(cairo_t* context) const { cairo_destroy(context); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceDestroyer>;
using DrawingContext = std::unique_ptr<cairo_t, ContextDestroyer>;

// A fully transparent ARGB surface; nullptr when it cannot be made.
Surface NewTransparentSurface(int width, int height);
DrawingContext NewDrawingContext(const Surface& surface);
// A copy of the surface with every pixel's alpha scaled by opacity / 255.
Surface WithConstantOpacity(const Surface& source, int opacity);
