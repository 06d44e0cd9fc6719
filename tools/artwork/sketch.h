#pragma once
// Drawing in one of the two looks of the artwork: "clean" (crisp outlines,
// soft gradients) or "hand-drawn" (a slightly unsteady pen, fills that do not
// quite meet their lines, warm colours).
#include <cairo.h>

#include <cstdint>
#include <functional>

struct Ink {
  double r, g, b, a = 1.0;
};
// Towards white or black by `amount` (0 to 1).
Ink Lighter(Ink ink, double amount);
Ink Darker(Ink ink, double amount);
Ink WithAlpha(Ink ink, double alpha);

struct Palette {
  Ink line;     // the pen of the hand-drawn look
  Ink paper;    // pages, envelopes
  Ink folder;
  Ink blue;     // incoming, information
  Ink green;    // outgoing, adding, updating
  Ink red;      // errors, leaving
  Ink yellow;   // stars, sparkles, sun
  Ink orange;   // the conversion arrow
  Ink metal;    // gears, bins
  Ink sky;
  Ink grass;
  Ink wood;     // door, handles
  Ink glyph;    // signs drawn on coloured badges
};

struct Style {
  bool handDrawn;
  Palette colors;
};
const Style& CleanStyle();
const Style& HandDrawnStyle();

using PathBuilder = std::function<void(cairo_t*)>;

// Draws on a picture of `pixels` square pixels whose design grid is
// `designUnits` wide: coordinates and widths below are in design units.
class Sketch {
 public:
  // Outlines grow with the picture up to maxOutlinePixels.
  Sketch(cairo_t* cr, const Style& style, int pixels, double designUnits, uint32_t seed,
         double maxOutlinePixels = 3.0);
  Sketch(const Sketch&) = delete;
  Sketch& operator=(const Sketch&) = delete;

  const Palette& Colors() const { return style_.colors; }
  bool HandDrawn() const { return style_.handDrawn; }
  cairo_t* Context() const { return cr_; }
  // Width of outlines, chosen per pixel size so small icons stay sharp.
  double Outline() const { return outline_; }

  // A filled shape with its outline; the clean look outlines it in a darker
  // shade of its fill, the hand-drawn look with the pen.
  void Shape(Ink fill, const PathBuilder& path);
  void Shape(Ink fill, Ink outline, const PathBuilder& path);
  void Fill(Ink fill, const PathBuilder& path);
  // A stroke with round ends.
  void Line(Ink ink, double width, const PathBuilder& path);

 private:
  // Builds the path; in the hand-drawn look each pass shakes it differently.
  void Trace(const PathBuilder& path, int pass);
  void Shake(int pass);
  void SetFill(Ink fill);

  cairo_t* cr_;
  const Style& style_;
  double designUnits_;
  double outline_;
  double seed_;
};
