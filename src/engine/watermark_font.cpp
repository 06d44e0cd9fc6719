#include "engine/watermark_font.h"

#include <optional>

#include "app/settings.h"
#include "platform/fonts.h"

namespace {
std::optional<WatermarkFont> g_font;
}

double FontPixelSize(int points) { return points * 96.0 / 72.0; }

bool CreateWatermarkFont() {
  ReleaseWatermarkFont();
  const WatermarkSettings& watermark = g_settings.Watermark;
  if (!FontFaceAvailable(watermark.Font) || watermark.FontSize <= 0) return false;
  PangoFontDescription* description = pango_font_description_new();
  g_font.emplace(WatermarkFont{decltype(WatermarkFont::description)(description), watermark.FontEffect == 1,
                               watermark.FontEffect == 2});
  pango_font_description_set_family(description, watermark.Font.c_str());
  pango_font_description_set_absolute_size(description, FontPixelSize(watermark.FontSize) * PANGO_SCALE);
  const bool bold = watermark.FontStyle == 1 || watermark.FontStyle == 3;
  const bool italic = watermark.FontStyle == 2 || watermark.FontStyle == 3;
  pango_font_description_set_weight(description, bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
  pango_font_description_set_style(description, italic ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
  return true;
}

void ReleaseWatermarkFont() { g_font.reset(); }

const WatermarkFont* CurrentWatermarkFont() { return g_font ? &*g_font : nullptr; }
