#include "engine/text_block.h"

#include <pango/pangocairo.h>

#include <algorithm>
#include <cmath>

#include "app/settings.h"
#include "app/text_util.h"
#include "engine/color.h"
#include "engine/overlay.h"

namespace {

constexpr int kMinimumLineSize = 10;

// Opacities outside 0..255 (the command line does not check them) act as
// their nearest bound, in both drawing modes alike.
uint8_t Opacity(int value) { return uint8_t(std::clamp(value, 0, 255)); }

struct GObjectUnref {
  void operator()(void* object) const { g_object_unref(object); }
};
using Layout = std::unique_ptr<PangoLayout, GObjectUnref>;

struct FontOptionsDestroy {
  void operator()(cairo_font_options_t* options) const { cairo_font_options_destroy(options); }
};

// A layout of one line in the watermark font; plain glyphs are drawn and
// measured without anti-aliasing.
Layout LineLayout(cairo_t* context, const WatermarkFont& font, const std::string& line, bool antialias) {
  std::unique_ptr<cairo_font_options_t, FontOptionsDestroy> options(cairo_font_options_create());
  cairo_font_options_set_antialias(options.get(), antialias ? CAIRO_ANTIALIAS_GRAY : CAIRO_ANTIALIAS_NONE);
  cairo_font_options_set_hint_metrics(options.get(), CAIRO_HINT_METRICS_ON);
  Layout layout(pango_cairo_create_layout(context));
  pango_cairo_context_set_font_options(pango_layout_get_context(layout.get()), options.get());
  pango_layout_context_changed(layout.get());
  pango_layout_set_font_description(layout.get(), font.description.get());
  PangoAttrList* attributes = pango_attr_list_new();
  if (font.underline) pango_attr_list_insert(attributes, pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
  if (font.strikethrough) pango_attr_list_insert(attributes, pango_attr_strikethrough_new(TRUE));
  pango_layout_set_attributes(layout.get(), attributes);
  pango_attr_list_unref(attributes);
  pango_layout_set_text(layout.get(), line.c_str(), int(line.size()));
  return layout;
}

struct Size {
  int width = 0, height = 0;
};

Size Measure(cairo_t* context, const WatermarkFont& font, const std::string& line, bool antialias) {
  Size size;
  pango_layout_get_pixel_size(LineLayout(context, font, line, antialias).get(), &size.width, &size.height);
  return size;
}

struct BlockGeometry {
  int width = 0, height = 0;
  std::vector<int> lineX;
  std::vector<int> lineY;
};

BlockGeometry Arrange(const std::vector<Size>& sizes) {
  const WatermarkSettings& watermark = g_settings.Watermark;
  const int padding = watermark.TextPadding;
  const bool severalLines = sizes.size() > 1;
  int blockWidth = sizes[0].width, blockHeight = sizes[0].height, lineStep = 0;
  if (severalLines) {
    int lineHeight = kMinimumLineSize;
    blockWidth = kMinimumLineSize;
    for (const Size& size : sizes) {
      lineHeight = std::max(lineHeight, size.height);
      blockWidth = std::max(blockWidth, size.width);
    }
    lineStep = lineHeight + watermark.FontLeading;
    blockHeight = lineHeight + int(sizes.size() - 1) * lineStep;
  }
  BlockGeometry geometry;
  geometry.width = blockWidth + 2 * padding;
  geometry.height = blockHeight + 2 * padding;
  for (size_t i = 0; i < sizes.size(); ++i) {
    int x = padding;
    if (severalLines) {
      switch (watermark.TextAlignment) {
        case 0: x = padding; break;
        case 1: x = int(std::lround((geometry.width - sizes[i].width) / 2.0)); break;
        case 2: x = geometry.width - sizes[i].width - padding; break;
        default: x = 0; break;
      }
    }
    geometry.lineX.push_back(x);
    geometry.lineY.push_back(padding + int(i) * lineStep);
  }
  return geometry;
}

void FillSurface(const Surface& surface, const RgbaColor& color) {
  DrawingContext context = NewDrawingContext(surface);
  if (!context) return;
  cairo_set_operator(context.get(), CAIRO_OPERATOR_SOURCE);
  SetSourceColor(context.get(), color);
  cairo_paint(context.get());
}

void DrawLines(const Surface& surface, const WatermarkFont& font, const std::vector<std::string>& lines,
               const BlockGeometry& geometry, const RgbaColor& color, bool antialias) {
  DrawingContext context = NewDrawingContext(surface);
  if (!context) return;
  cairo_set_antialias(context.get(), antialias ? CAIRO_ANTIALIAS_GRAY : CAIRO_ANTIALIAS_NONE);
  SetSourceColor(context.get(), color);
  for (size_t i = 0; i < lines.size(); ++i) {
    cairo_move_to(context.get(), geometry.lineX[i], geometry.lineY[i]);
    pango_cairo_show_layout(context.get(), LineLayout(context.get(), font, lines[i], antialias).get());
  }
  cairo_surface_flush(surface.get());
}

// Plain text sets pixels instead of blending them: glyph pixels take the
// text colour, everything else keeps the background, whatever the opacities.
Surface PlainBlock(const WatermarkFont& font, const std::vector<std::string>& lines, const BlockGeometry& geometry) {
  const WatermarkSettings& watermark = g_settings.Watermark;
  Surface block = NewTransparentSurface(geometry.width, geometry.height);
  Surface glyphs = NewTransparentSurface(geometry.width, geometry.height);
  if (!block || !glyphs) return nullptr;
  FillSurface(block, ParseColorAlpha(watermark.BackColor, Opacity(watermark.BackOpacity)));
  DrawLines(glyphs, font, lines, geometry, RgbaColor{255, 255, 255, 255}, false);
  const uint32_t text = PremultipliedPixel(ParseColorAlpha(watermark.FontColor, Opacity(watermark.TextOpacity)));
  cairo_surface_flush(block.get());
  unsigned char* blockData = cairo_image_surface_get_data(block.get());
  const unsigned char* glyphData = cairo_image_surface_get_data(glyphs.get());
  const int stride = cairo_image_surface_get_stride(block.get());
  for (int y = 0; y < geometry.height; ++y) {
    auto* target = reinterpret_cast<uint32_t*>(blockData + size_t(y) * size_t(stride));
    const auto* mask = reinterpret_cast<const uint32_t*>(glyphData + size_t(y) * size_t(stride));
    for (int x = 0; x < geometry.width; ++x)
      if (mask[x] >> 24) target[x] = text;
  }
  cairo_surface_mark_dirty(block.get());
  return block;
}

Surface AntialiasedBlock(const WatermarkFont& font, const std::vector<std::string>& lines,
                         const BlockGeometry& geometry) {
  const WatermarkSettings& watermark = g_settings.Watermark;
  Surface background = NewTransparentSurface(geometry.width, geometry.height);
  Surface text = NewTransparentSurface(geometry.width, geometry.height);
  Surface block = NewTransparentSurface(geometry.width, geometry.height);
  if (!background || !text || !block) return nullptr;
  FillSurface(background, ParseColorAlpha(watermark.BackColor, 255));
  DrawLines(text, font, lines, geometry, ParseColorAlpha(watermark.FontColor, 255), true);
  DrawingContext context = NewDrawingContext(block);
  if (!context) return nullptr;
  cairo_set_source_surface(context.get(), background.get(), 0, 0);
  cairo_paint_with_alpha(context.get(), Opacity(watermark.BackOpacity) / 255.0);
  cairo_set_source_surface(context.get(), text.get(), 0, 0);
  cairo_paint_with_alpha(context.get(), Opacity(watermark.TextOpacity) / 255.0);
  cairo_surface_flush(block.get());
  return block;
}

}  // namespace

std::vector<std::string> SplitWatermarkLines(const std::string& text) {
  static constexpr std::string_view kMarker = "%eol%";
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t at; (at = FindIgnoreCase(text, kMarker, start)) != std::string::npos; start = at + kMarker.size())
    lines.push_back(text.substr(start, at - start));
  lines.push_back(text.substr(start));
  return lines;
}

Surface DrawTextBlock(const std::string& text, const WatermarkFont& font) {
  const bool antialias = g_settings.Watermark.TextAntialiasing != 0;
  const std::vector<std::string> lines = SplitWatermarkLines(text);
  Surface scratch = NewTransparentSurface(1, 1);
  DrawingContext measuring = scratch ? NewDrawingContext(scratch) : nullptr;
  if (!measuring) return nullptr;
  std::vector<Size> sizes;
  for (const std::string& line : lines) sizes.push_back(Measure(measuring.get(), font, line, antialias));
  const BlockGeometry geometry = Arrange(sizes);
  return antialias ? AntialiasedBlock(font, lines, geometry) : PlainBlock(font, lines, geometry);
}
