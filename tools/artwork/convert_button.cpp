// The large picture of the main window's Convert button: a PhotoCD disc
// turning into a photograph.
#include <numbers>

#include "artwork.h"
#include "motifs.h"

namespace {
constexpr uint32_t kSeed = 64;
}  // namespace

void DrawConvertButton(cairo_t* cr, const Style& style) {
  Sketch s(cr, style, kConvertButtonSize, kConvertButtonSize, kSeed);
  Disc(s, 21, 21, 19);
  Photo(s, 25, 29, 37, 30);
  CurvedArrow(s, s.Colors().orange, 35, 31, 24, -std::numbers::pi * 0.62, -std::numbers::pi * 0.1, 7);
}
