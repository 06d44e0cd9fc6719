// The command pictograms, drawn on a 16-unit grid; outlines sit on half
// units so that the 16-pixel icons come out sharp.
#include <cmath>
#include <map>
#include <numbers>

#include "artwork.h"
#include "motifs.h"

namespace {

constexpr double kGrid = 16;

// A plus on a green badge.
void AddBadge(Sketch& s, double cx, double cy, double r) {
  Badge(s, s.Colors().green, cx, cy, r);
  const double arm = r * 0.55;
  Glyph(s, r * 0.42, [=](cairo_t* cr) {
    cairo_move_to(cr, cx - arm, cy);
    cairo_line_to(cr, cx + arm, cy);
    cairo_move_to(cr, cx, cy - arm);
    cairo_line_to(cr, cx, cy + arm);
  });
}

void DrawNew(Sketch& s) {
  Page(s, 3.5, 1.5, 10, 13, false);
  Star(s, s.Colors().yellow, 4.5, 4.5, 4, 4, 0.38);  // the sparkle of something new
}

void DrawAdd(Sketch& s) {
  Page(s, 1.5, 0.5, 10, 13, true);
  AddBadge(s, 11.5, 11.5, 4);
}

void DrawInFiles(Sketch& s) {
  Page(s, 5.5, 0.5, 9, 11, false);
  Page(s, 3.5, 2.5, 9, 11, false);
  Page(s, 1.5, 4.5, 9, 11, true);
  Arrow(s, s.Colors().blue, 8.5, 12, 15.5, 12, 2.2, 5);
}

void Folder(Sketch& s, double x, double y, double w, double h) {
  FolderBack(s, x, y, w, h);
  FolderFront(s, x, y, w, h);
}

void DrawInFolder(Sketch& s) {
  Folder(s, 0.5, 4.5, 15, 10);
  Arrow(s, s.Colors().blue, 10, 0.3, 10, 11, 2.8, 6.4);
}

void DrawOutFolder(Sketch& s) {
  Folder(s, 0.5, 4.5, 15, 10);
  Arrow(s, s.Colors().green, 6, 11.5, 13.8, 1.2, 2.8, 6.4);
}

void DrawFavFolder(Sketch& s) {
  Folder(s, 0.5, 2.5, 14, 11);
  Star(s, s.Colors().yellow, 11, 11, 4.8, 5, 0.45);
}

void DrawOutFormat(Sketch& s) {
  Photo(s, 0.5, 1.5, 14, 11);
  Gear(s, s.Colors().metal, 11.5, 11.5, 4.3, 8);
}

void DrawImportFiles(Sketch& s) {
  Tray(s, 0.5, 8.5, 15, 6);
  Arrow(s, s.Colors().blue, 8, 0.5, 8, 11.5, 3, 7);
}

void DrawExportFiles(Sketch& s) {
  Tray(s, 0.5, 8.5, 15, 6);
  Arrow(s, s.Colors().green, 8, 11, 8, 0.2, 3, 7);
}

void DrawExit(Sketch& s) {
  const Palette& c = s.Colors();
  s.Shape(Darker(c.wood, 0.35), Polygon({{1.5, 1.5}, {9.5, 1.5}, {9.5, 14.5}, {1.5, 14.5}}));  // door frame
  s.Shape(c.wood, Polygon({{1.5, 1.5}, {6.5, 3}, {6.5, 15.5}, {1.5, 14.5}}));              // open door
  s.Fill(c.yellow, Circle(5.3, 9, 0.8));
  Arrow(s, c.red, 6.5, 8, 15.5, 8, 2.6, 6.5);
}

void DrawCopy(Sketch& s) {
  Page(s, 1.5, 0.5, 9, 11, true);
  Page(s, 5.5, 4.5, 9, 11, true);
}

void DrawDelete(Sketch& s) {
  const Palette& c = s.Colors();
  const Ink bin = s.HandDrawn() ? c.metal : Lighter(c.metal, 0.2);
  s.Shape(bin, Polygon({{3.5, 4.5}, {12.5, 4.5}, {11.5, 15}, {4.5, 15}}));
  const Ink groove = s.HandDrawn() ? c.line : Darker(bin, 0.45);
  s.Line(groove, s.Outline(), [](cairo_t* cr) {
    for (double x : {6.3, 8.0, 9.7}) {
      cairo_move_to(cr, x, 6.8);
      cairo_line_to(cr, x, 12.8);
    }
  });
  s.Shape(bin, RoundedBox(1.5, 2.5, 13, 2, 0.6));                  // lid
  s.Shape(bin, Polygon({{6, 2.5}, {6.5, 0.5}, {9.5, 0.5}, {10, 2.5}}));  // handle
}

void DrawSelectAll(Sketch& s) {
  const Palette& c = s.Colors();
  for (double y : {3.5, 8.5})
    for (double x : {3.5, 8.5})
      s.Shape(Lighter(c.blue, 0.35), Polygon({{x, y}, {x + 4, y}, {x + 4, y + 4}, {x, y + 4}}));
  cairo_t* cr = s.Context();
  const double dash[] = {1.6, 1.2};
  cairo_set_dash(cr, dash, 2, 0);
  s.Line(c.blue, s.Outline(), Polygon({{0.5, 0.5}, {15.5, 0.5}, {15.5, 15.5}, {0.5, 15.5}}));
  cairo_set_dash(cr, nullptr, 0, 0);
}

// A PhotoCD disc with a "go" badge: what the Convert button shows, in 16 pixels.
void DrawConvert(Sketch& s) {
  Disc(s, 6.5, 6.5, 6);
  Badge(s, s.Colors().orange, 11.5, 11.5, 4);
  Glyph(s, 1.5, [](cairo_t* cr) {
    cairo_move_to(cr, 9.4, 11.5);
    cairo_line_to(cr, 13.4, 11.5);
    cairo_move_to(cr, 11.6, 9.6);
    cairo_line_to(cr, 13.5, 11.5);
    cairo_line_to(cr, 11.6, 13.4);
  });
}

void DrawError(Sketch& s) {
  Badge(s, s.Colors().red, 8, 8, 7);
  Glyph(s, 2.2, [](cairo_t* cr) {
    cairo_move_to(cr, 5, 5);
    cairo_line_to(cr, 11, 11);
    cairo_move_to(cr, 11, 5);
    cairo_line_to(cr, 5, 11);
  });
}

void DrawPreferences(Sketch& s) { Gear(s, s.Colors().metal, 8, 8, 7.4, 8); }

void DrawCustomConverter(Sketch& s) {
  const Palette& c = s.Colors();
  Gear(s, c.orange, 6.5, 6.5, 4, 7);
  s.Line(s.HandDrawn() ? c.line : Darker(c.wood, 0.3), 3.4, [](cairo_t* cr) {  // handle
    cairo_move_to(cr, 11, 11);
    cairo_line_to(cr, 14.2, 14.2);
  });
  s.Line(c.wood, 1.8, [](cairo_t* cr) {
    cairo_move_to(cr, 11.3, 11.3);
    cairo_line_to(cr, 14, 14);
  });
  s.Shape(WithAlpha(c.sky, 0.35), s.HandDrawn() ? c.line : Darker(c.metal, 0.4), [](cairo_t* cr) {
    Circle(6.5, 6.5, 5.8)(cr);
  });
}

// Help and About are signs on a blue badge, drawn as strokes rather than
// text so that they need no font.
void DrawHelp(Sketch& s) {
  Badge(s, s.Colors().blue, 8, 8, 7);
  Glyph(s, 2, [](cairo_t* cr) {
    cairo_arc(cr, 8, 6.2, 2.3, -std::numbers::pi * 0.95, std::numbers::pi * 0.35);
    cairo_curve_to(cr, 8.9, 7.9, 8, 8.2, 8, 9.7);
  });
  s.Fill(s.Colors().glyph, Circle(8, 12.2, 1.2));
}

void DrawAbout(Sketch& s) {
  Badge(s, s.Colors().blue, 8, 8, 7);
  s.Fill(s.Colors().glyph, Circle(8, 4.6, 1.25));
  Glyph(s, 2.2, [](cairo_t* cr) {
    cairo_move_to(cr, 8, 7.4);
    cairo_line_to(cr, 8, 11.8);
  });
}

void DrawEmail(Sketch& s) {
  const Palette& c = s.Colors();
  s.Shape(c.paper, Polygon({{0.5, 3.5}, {15.5, 3.5}, {15.5, 13.5}, {0.5, 13.5}}));
  const Ink fold = s.HandDrawn() ? c.line : Darker(c.metal, 0.2);
  s.Line(fold, s.Outline(), [](cairo_t* cr) {
    cairo_move_to(cr, 0.8, 3.8);
    cairo_line_to(cr, 8, 9.5);
    cairo_line_to(cr, 15.2, 3.8);
    cairo_move_to(cr, 0.8, 13.2);
    cairo_line_to(cr, 6, 8.2);
    cairo_move_to(cr, 15.2, 13.2);
    cairo_line_to(cr, 10, 8.2);
  });
  s.Shape(c.red, Polygon({{11.5, 5.5}, {14, 5.5}, {14, 7.8}, {11.5, 7.8}}));  // stamp
}

void DrawWeb(Sketch& s) {
  const Palette& c = s.Colors();
  Badge(s, c.blue, 8, 8, 7);
  // Continents, clipped to the globe.
  cairo_t* cr = s.Context();
  cairo_save(cr);
  Circle(8, 8, 7)(cr);
  cairo_clip(cr);
  s.Fill(c.grass, Polygon({{2, 4}, {5.5, 2.5}, {7.5, 4.5}, {6, 7.5}, {6.8, 10.5}, {4.5, 12}, {3, 9}, {1, 7.5}}));
  s.Fill(c.grass, Polygon({{9.5, 6}, {12.5, 4.5}, {15, 7}, {13, 10}, {13.5, 13}, {10.5, 12.5}, {10.5, 9}}));
  cairo_restore(cr);
  const Ink grid = WithAlpha(c.glyph, 0.8);
  s.Line(grid, s.Outline() * 0.8, [](cairo_t* cr) {
    cairo_save(cr);
    cairo_translate(cr, 8, 8);
    cairo_scale(cr, 3, 7);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * std::numbers::pi);
    cairo_restore(cr);
    cairo_move_to(cr, 8, 1);
    cairo_line_to(cr, 8, 15);
    cairo_move_to(cr, 1, 8);
    cairo_line_to(cr, 15, 8);
  });
  s.Line(s.HandDrawn() ? c.line : Darker(c.blue, 0.5), s.Outline(), Circle(8, 8, 7));
}

void DrawUpdates(Sketch& s) {
  const Ink green = s.Colors().green;
  CurvedArrow(s, green, 8, 8, 5.4, std::numbers::pi * 0.92, std::numbers::pi * 1.78, 2.4);
  CurvedArrow(s, green, 8, 8, 5.4, -std::numbers::pi * 0.08, std::numbers::pi * 0.78, 2.4);
}

using Drawing = void (*)(Sketch&);
const std::map<std::string, Drawing> kIconDrawings = {
    {"New", DrawNew},
    {"Add", DrawAdd},
    {"InFiles", DrawInFiles},
    {"InFolder", DrawInFolder},
    {"OutFolder", DrawOutFolder},
    {"OutFormat", DrawOutFormat},
    {"FavFolder", DrawFavFolder},
    {"ImportFiles", DrawImportFiles},
    {"ExportFiles", DrawExportFiles},
    {"Exit", DrawExit},
    {"Copy", DrawCopy},
    {"Delete", DrawDelete},
    {"SelectAll", DrawSelectAll},
    {"Convert", DrawConvert},
    {"Error", DrawError},
    {"Preferences", DrawPreferences},
    {"CustomConverter", DrawCustomConverter},
    {"Help", DrawHelp},
    {"Email", DrawEmail},
    {"Web", DrawWeb},
    {"Updates", DrawUpdates},
    {"About", DrawAbout},
};

uint32_t NameSeed(const std::string& name) {
  uint32_t hash = 2166136261u;
  for (unsigned char c : name) hash = (hash ^ c) * 16777619u;
  return hash;
}

}  // namespace

bool DrawIcon(const std::string& name, cairo_t* cr, const Style& style, int pixels) {
  const auto drawing = kIconDrawings.find(name);
  if (drawing == kIconDrawings.end()) return false;
  Sketch sketch(cr, style, pixels, kGrid, NameSeed(name));
  drawing->second(sketch);
  return true;
}
