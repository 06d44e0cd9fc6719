#pragma once
// Owning cairo handles and PNG encoding for the artwork generator.
#include <cairo.h>

#include <functional>
#include <memory>
#include <string>

struct SurfaceReleaser {
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct ContextReleaser {
  void operator()(cairo_t* context) const { cairo_destroy(context); }
};
struct PatternReleaser {
  void operator()(cairo_pattern_t* pattern) const { cairo_pattern_destroy(pattern); }
};
struct PathReleaser {
  void operator()(cairo_path_t* path) const { cairo_path_destroy(path); }
};
using SurfaceHandle = std::unique_ptr<cairo_surface_t, SurfaceReleaser>;
using ContextHandle = std::unique_ptr<cairo_t, ContextReleaser>;
using PatternHandle = std::unique_ptr<cairo_pattern_t, PatternReleaser>;
using PathHandle = std::unique_ptr<cairo_path_t, PathReleaser>;

// A transparent picture and a context drawing on it.
struct Canvas {
  SurfaceHandle surface;
  ContextHandle context;
};

// False when cairo cannot make the surface.
bool NewCanvas(int width, int height, Canvas& canvas);
// The surface as PNG file bytes; false when cairo cannot write it.
bool EncodePng(cairo_surface_t* surface, std::string& png);
// Draws a picture of the given size and encodes it.
bool RenderPng(int width, int height, const std::function<void(cairo_t*)>& draw, std::string& png);
