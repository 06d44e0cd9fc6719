#include "sketch.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "canvas.h"

namespace {

Ink Mix(Ink from, Ink to, double amount) {
  return {from.r + (to.r - from.r) * amount, from.g + (to.g - from.g) * amount,
          from.b + (to.b - from.b) * amount, from.a};
}

Ink Rgb(uint32_t rgb) {
  return {((rgb >> 16) & 0xFF) / 255.0, ((rgb >> 8) & 0xFF) / 255.0, (rgb & 0xFF) / 255.0};
}

// The clean look outlines a shape in its own colour, darkened towards slate.
constexpr uint32_t kSlate = 0x26313C;

struct Point {
  double x, y;
};

}  // namespace

Ink Lighter(Ink ink, double amount) { return Mix(ink, {1, 1, 1, ink.a}, amount); }
Ink Darker(Ink ink, double amount) { return Mix(ink, {0, 0, 0, ink.a}, amount); }
Ink WithAlpha(Ink ink, double alpha) { return {ink.r, ink.g, ink.b, alpha}; }

const Style& CleanStyle() {
  static const Style style{false,
                           {.line = Rgb(kSlate),
                            .paper = Rgb(0xFDFDFD),
                            .folder = Rgb(0xF4C04A),
                            .blue = Rgb(0x2F7DD6),
                            .green = Rgb(0x2EA650),
                            .red = Rgb(0xDB3B2C),
                            .yellow = Rgb(0xFFD23A),
                            .orange = Rgb(0xF28B1E),
                            .metal = Rgb(0x8A98A8),
                            .sky = Rgb(0x7CC4F2),
                            .grass = Rgb(0x58B84A),
                            .wood = Rgb(0xA86B3C),
                            .glyph = Rgb(0xFFFFFF)}};
  return style;
}

const Style& HandDrawnStyle() {
  static const Style style{true,
                           {.line = Rgb(0x4A3022),
                            .paper = Rgb(0xFFF6E2),
                            .folder = Rgb(0xF2B045),
                            .blue = Rgb(0x4C8DB8),
                            .green = Rgb(0x6FA343),
                            .red = Rgb(0xD2503A),
                            .yellow = Rgb(0xF9CC4B),
                            .orange = Rgb(0xE8812F),
                            .metal = Rgb(0xA9998A),
                            .sky = Rgb(0x9BCBE0),
                            .grass = Rgb(0x86B45A),
                            .wood = Rgb(0xA4673E),
                            .glyph = Rgb(0xFFF9EC)}};
  return style;
}

Sketch::Sketch(cairo_t* cr, const Style& style, int pixels, double designUnits, uint32_t seed,
               double maxOutlinePixels)
    : cr_(cr), style_(style), designUnits_(designUnits), seed_(double(seed % 1000) * 0.731) {
  const double scale = pixels / designUnits;
  cairo_scale(cr_, scale, scale);
  // Pixels of an outline: one at 16, growing more slowly than the picture.
  const double outlinePixels = std::clamp(pixels / 21.0, 1.0, std::max(1.0, maxOutlinePixels));
  outline_ = outlinePixels / scale;
  cairo_set_fill_rule(cr_, CAIRO_FILL_RULE_EVEN_ODD);
  cairo_set_line_join(cr_, style_.handDrawn ? CAIRO_LINE_JOIN_ROUND : CAIRO_LINE_JOIN_MITER);
  cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
}

void Sketch::Shape(Ink fill, const PathBuilder& path) {
  Shape(fill, style_.handDrawn ? style_.colors.line : Mix(fill, Rgb(kSlate), 0.62), path);
}

void Sketch::Shape(Ink fill, Ink outline, const PathBuilder& path) {
  Fill(fill, path);
  Line(outline, outline_, path);
}

void Sketch::Fill(Ink fill, const PathBuilder& path) {
  Trace(path, 1);
  SetFill(fill);
  cairo_fill(cr_);
}

void Sketch::Line(Ink ink, double width, const PathBuilder& path) {
  Trace(path, 2);
  cairo_set_source_rgba(cr_, ink.r, ink.g, ink.b, ink.a);
  cairo_set_line_width(cr_, width);
  cairo_stroke(cr_);
}

void Sketch::SetFill(Ink fill) {
  if (style_.handDrawn) {
    cairo_set_source_rgba(cr_, fill.r, fill.g, fill.b, fill.a);
    return;
  }
  // A soft top light; the context keeps its own reference to the pattern.
  double x1, y1, x2, y2;
  cairo_fill_extents(cr_, &x1, &y1, &x2, &y2);
  const PatternHandle gradient(cairo_pattern_create_linear(0, y1, 0, y2));
  const Ink top = Lighter(fill, 0.35);
  cairo_pattern_add_color_stop_rgba(gradient.get(), 0, top.r, top.g, top.b, top.a);
  cairo_pattern_add_color_stop_rgba(gradient.get(), 1, fill.r, fill.g, fill.b, fill.a);
  cairo_set_source(cr_, gradient.get());
}

void Sketch::Trace(const PathBuilder& path, int pass) {
  cairo_new_path(cr_);
  path(cr_);
  if (style_.handDrawn) Shake(pass);
}

// Resamples the path and moves every point by a smooth field that depends on
// the position, so lines that meet still meet, and on the pass, so a fill
// never lies exactly under its outline.
void Sketch::Shake(int pass) {
  const PathHandle flat(cairo_copy_path_flat(cr_));
  if (!flat) return;
  const double unit = designUnits_ / 16.0;
  const double amplitude = 0.4 * unit;
  const double step = 0.6 * unit;
  const double phase = seed_ + pass * 2.17;
  // Long, gentle bends with a faint tremor on top.
  auto shaken = [&](Point p) {
    const double u = p.x / unit, v = p.y / unit;
    const double dx = 0.8 * std::sin(0.55 * u + 0.35 * v + phase) + 0.2 * std::sin(1.9 * v - 0.7 * u + 2 * phase);
    const double dy = 0.8 * std::sin(0.4 * u - 0.6 * v + 1.7 * phase) + 0.2 * std::sin(1.7 * u + 0.8 * v + phase);
    return Point{p.x + amplitude * dx, p.y + amplitude * dy};
  };
  std::vector<Point> points;  // the current subpath, as flattened
  bool closed = false;
  auto emit = [&]() {
    if (points.empty()) return;
    if (closed) points.push_back(points.front());
    const Point start = shaken(points.front());
    cairo_move_to(cr_, start.x, start.y);
    for (size_t i = 1; i < points.size(); ++i) {
      const Point a = points[i - 1], b = points[i];
      const int pieces = std::max(1, int(std::ceil(std::hypot(b.x - a.x, b.y - a.y) / step)));
      for (int k = 1; k <= pieces; ++k) {
        const double t = double(k) / pieces;
        const Point q = shaken({a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t});
        cairo_line_to(cr_, q.x, q.y);
      }
    }
    if (closed) cairo_close_path(cr_);
    points.clear();
    closed = false;
  };
  cairo_new_path(cr_);
  for (int i = 0; i < flat->num_data; i += flat->data[i].header.length) {
    const cairo_path_data_t& data = flat->data[i];
    switch (data.header.type) {
      case CAIRO_PATH_MOVE_TO:
        emit();
        points.push_back({flat->data[i + 1].point.x, flat->data[i + 1].point.y});
        break;
      case CAIRO_PATH_LINE_TO:
        points.push_back({flat->data[i + 1].point.x, flat->data[i + 1].point.y});
        break;
      case CAIRO_PATH_CLOSE_PATH:  // cairo starts whatever follows with a move
        closed = true;
        emit();
        break;
      case CAIRO_PATH_CURVE_TO:  // a flat path has none
        break;
    }
  }
  emit();
}
