#pragma once
// The watermark font of a run: created once from [Watermark] Font, Font
// Size, Font Style and Font Effect before the worker starts, used by every
// file of the run, released after it.
#include <pango/pango.h>

#include <memory>

struct FontDescriptionFree {
  void operator()(PangoFontDescription* description) const { pango_font_description_free(description); }
};

struct WatermarkFont {
  std::unique_ptr<PangoFontDescription, FontDescriptionFree> description;
  bool underline;
  bool strikethrough;
};

// False when the face cannot be had from fontconfig.
bool CreateWatermarkFont();
void ReleaseWatermarkFont();
// nullptr when no font was created.
const WatermarkFont* CurrentWatermarkFont();
// Points are taken at 96 pixels per inch, as on the desktop the sizes were
// chosen on.
double FontPixelSize(int points);
