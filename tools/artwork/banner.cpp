// The About window's banner: the product's emblem and title on a blue band.
#include <pango/pangocairo.h>

#include <memory>
#include <numbers>

#include "artwork.h"
#include "canvas.h"
#include "motifs.h"

namespace {

constexpr const char* kTitle = "Tarnwick PCD to JPG";
// Fonts the program depends on anyway; fontconfig picks the first present.
constexpr const char* kTitleFont = "DejaVu Sans, Liberation Sans, Sans Bold";
constexpr double kTitlePixels = 19;
constexpr double kTitleLeft = 58;

struct LayoutReleaser {
  void operator()(PangoLayout* layout) const { g_object_unref(layout); }
};
struct FontReleaser {
  void operator()(PangoFontDescription* font) const { pango_font_description_free(font); }
};

void PaintBand(cairo_t* cr) {
  const PatternHandle band(cairo_pattern_create_linear(0, 0, kBannerWidth, 0));
  cairo_pattern_add_color_stop_rgb(band.get(), 0, 0.09, 0.25, 0.47);
  cairo_pattern_add_color_stop_rgb(band.get(), 0.6, 0.15, 0.45, 0.72);
  cairo_pattern_add_color_stop_rgb(band.get(), 1, 0.22, 0.62, 0.76);
  cairo_set_source(cr, band.get());
  cairo_paint(cr);
  // A glassy light over the upper half.
  const PatternHandle gloss(cairo_pattern_create_linear(0, 0, 0, kBannerHeight));
  cairo_pattern_add_color_stop_rgba(gloss.get(), 0, 1, 1, 1, 0.22);
  cairo_pattern_add_color_stop_rgba(gloss.get(), 0.5, 1, 1, 1, 0.04);
  cairo_pattern_add_color_stop_rgba(gloss.get(), 1, 1, 1, 1, 0);
  cairo_set_source(cr, gloss.get());
  cairo_paint(cr);
  // Faint rings of a disc behind the right end.
  cairo_set_line_width(cr, 1.5);
  for (double r = 14; r < 80; r += 11) {
    cairo_new_path(cr);
    cairo_arc(cr, kBannerWidth - 30, kBannerHeight / 2.0, r, 0, 2 * std::numbers::pi);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.07);
    cairo_stroke(cr);
  }
}

void DrawEmblem(cairo_t* cr) {
  cairo_save(cr);
  Sketch s(cr, CleanStyle(), kBannerHeight, kBannerHeight, 0);
  Disc(s, 20, 18, 14);
  Photo(s, 25, 19, 20, 17);
  cairo_restore(cr);
}

void DrawTitle(cairo_t* cr) {
  std::unique_ptr<PangoLayout, LayoutReleaser> layout(pango_cairo_create_layout(cr));
  std::unique_ptr<PangoFontDescription, FontReleaser> font(pango_font_description_from_string(kTitleFont));
  pango_font_description_set_weight(font.get(), PANGO_WEIGHT_BOLD);
  pango_font_description_set_absolute_size(font.get(), kTitlePixels * PANGO_SCALE);
  pango_layout_set_font_description(layout.get(), font.get());
  pango_layout_set_text(layout.get(), kTitle, -1);
  int width = 0, height = 0;
  pango_layout_get_pixel_size(layout.get(), &width, &height);
  const double top = (kBannerHeight - height) / 2.0;
  cairo_set_source_rgba(cr, 0, 0.08, 0.2, 0.45);  // shadow
  cairo_move_to(cr, kTitleLeft + 1, top + 1.5);
  pango_cairo_show_layout(cr, layout.get());
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_move_to(cr, kTitleLeft, top);
  pango_cairo_show_layout(cr, layout.get());
}

}  // namespace

void DrawBanner(cairo_t* cr) {
  PaintBand(cr);
  DrawEmblem(cr);
  DrawTitle(cr);
}
