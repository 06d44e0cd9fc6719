// The program's icon on the desktop: a PhotoCD disc turning into a
// photograph, in the hand-drawn look of the default theme.
#include <algorithm>
#include <numbers>

#include "artwork.h"
#include "motifs.h"

namespace {

constexpr double kGrid = 64;
constexpr uint32_t kSeed = 17;
// Below this size the arrow and the tilt would only blur the picture.
constexpr int kSmallestDetailed = 32;
constexpr double kPhotoTilt = 8;

// The print lies tilted across the disc, turned about its own centre.
void TiltedPhoto(Sketch& s, double x, double y, double w, double h, double degrees) {
  cairo_t* cr = s.Context();
  cairo_save(cr);
  cairo_translate(cr, x + w / 2, y + h / 2);
  cairo_rotate(cr, degrees * std::numbers::pi / 180);
  Photo(s, -w / 2, -h / 2, w, h);
  cairo_restore(cr);
}

}  // namespace

void DrawProgramIcon(cairo_t* cr, int pixels) {
  // Outlines keep about their share of the picture at the large sizes, so
  // they look drawn with the same pen as the small ones.
  Sketch s(cr, HandDrawnStyle(), pixels, kGrid, kSeed, std::max(3.0, pixels / 30.0));
  Disc(s, 25, 25, 20);
  const bool detailed = pixels >= kSmallestDetailed;
  TiltedPhoto(s, 27, 32, 32, 26, detailed ? kPhotoTilt : 0);
  if (detailed)  // from the disc over to the print
    CurvedArrow(s, s.Colors().orange, 40, 27, 16, -std::numbers::pi * 0.78, -std::numbers::pi * 0.04, 6.5);
}
