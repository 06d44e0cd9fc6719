#include "motifs.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

PathBuilder Polygon(std::initializer_list<Spot> corners) {
  return [points = std::vector<Spot>(corners)](cairo_t* cr) {
    for (size_t i = 0; i < points.size(); ++i)
      (i == 0 ? cairo_move_to : cairo_line_to)(cr, points[i].x, points[i].y);
    cairo_close_path(cr);
  };
}

PathBuilder RoundedBox(double x, double y, double w, double h, double radius) {
  return [=](cairo_t* cr) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - radius, y + radius, radius, -std::numbers::pi / 2, 0);
    cairo_arc(cr, x + w - radius, y + h - radius, radius, 0, std::numbers::pi / 2);
    cairo_arc(cr, x + radius, y + h - radius, radius, std::numbers::pi / 2, std::numbers::pi);
    cairo_arc(cr, x + radius, y + radius, radius, std::numbers::pi, 3 * std::numbers::pi / 2);
    cairo_close_path(cr);
  };
}

PathBuilder Circle(double cx, double cy, double r) {
  return [=](cairo_t* cr) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * std::numbers::pi);
    cairo_close_path(cr);
  };
}

void Page(Sketch& s, double x, double y, double w, double h, bool lines) {
  const double fold = std::min(w, h) * 0.34;
  s.Shape(s.Colors().paper, Polygon({{x, y}, {x + w - fold, y}, {x + w, y + fold}, {x + w, y + h}, {x, y + h}}));
  s.Shape(Darker(s.Colors().paper, 0.12), Polygon({{x + w - fold, y}, {x + w - fold, y + fold}, {x + w, y + fold}}));
  if (!lines) return;
  const Ink ink = WithAlpha(s.HandDrawn() ? s.Colors().line : s.Colors().metal, 0.75);
  const double left = x + w * 0.22, right = x + w * 0.78;
  const double rowGap = h * 0.17;
  for (double row = y + h * 0.36; row < y + h * 0.86; row += rowGap) {
    const double end = row + rowGap >= y + h * 0.86 ? left + (right - left) * 0.6 : right;
    s.Line(ink, s.Outline() * 0.9, [=](cairo_t* cr) {
      cairo_move_to(cr, left, row);
      cairo_line_to(cr, end, row);
    });
  }
}

void FolderBack(Sketch& s, double x, double y, double w, double h) {
  const double tabW = w * 0.42, tabH = h * 0.16;
  s.Shape(Darker(s.Colors().folder, 0.18), Polygon({{x, y + tabH},
                                                    {x, y},
                                                    {x + tabW * 0.8, y},
                                                    {x + tabW, y + tabH},
                                                    {x + w, y + tabH},
                                                    {x + w, y + h},
                                                    {x, y + h}}));
}

void FolderFront(Sketch& s, double x, double y, double w, double h) {
  const double top = y + h * 0.34;
  s.Shape(s.Colors().folder, Polygon({{x + w * 0.06, top}, {x + w, top}, {x + w * 0.94, y + h}, {x, y + h}}));
}

void Arrow(Sketch& s, Ink ink, double x0, double y0, double x1, double y1, double shaft, double head) {
  const double length = std::hypot(x1 - x0, y1 - y0);
  const double ux = (x1 - x0) / length, uy = (y1 - y0) / length;  // along
  const double nx = -uy, ny = ux;                                  // across
  const double headLength = head * 0.9;
  const double bx = x1 - ux * headLength, by = y1 - uy * headLength;
  auto at = [&](double px, double py, double across) { return Spot{px + nx * across, py + ny * across}; };
  s.Shape(ink, Polygon({at(x0, y0, -shaft / 2), at(bx, by, -shaft / 2), at(bx, by, -head / 2), {x1, y1},
                        at(bx, by, head / 2), at(bx, by, shaft / 2), at(x0, y0, shaft / 2)}));
}

namespace {

// An arc band of the given width from angle a0 to a1 (radians, clockwise on
// screen), ending in an arrow head.
PathBuilder CurvedArrowPath(double cx, double cy, double r, double a0, double a1, double width) {
  return [=](cairo_t* cr) {
    const double head = width * 1.1;         // half the head's width
    const double reach = head * 1.5 / r;     // the head's length, as an angle
    const double neck = a1 - reach;
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, r + width / 2, a0, neck);
    cairo_line_to(cr, cx + (r + head) * std::cos(neck), cy + (r + head) * std::sin(neck));
    cairo_line_to(cr, cx + r * std::cos(a1), cy + r * std::sin(a1));
    cairo_line_to(cr, cx + (r - head) * std::cos(neck), cy + (r - head) * std::sin(neck));
    cairo_arc_negative(cr, cx, cy, r - width / 2, neck, a0);
    cairo_close_path(cr);
  };
}

}  // namespace

void CurvedArrow(Sketch& s, Ink ink, double cx, double cy, double r, double a0, double a1, double width) {
  s.Shape(ink, CurvedArrowPath(cx, cy, r, a0, a1, width));
}

void Disc(Sketch& s, double cx, double cy, double r) {
  const Palette& c = s.Colors();
  const Ink silver = s.HandDrawn() ? Lighter(c.metal, 0.55) : Ink{0.86, 0.89, 0.93};
  auto ring = [=](cairo_t* cr) {
    Circle(cx, cy, r)(cr);
    Circle(cx, cy, r * 0.22)(cr);
  };
  s.Fill(silver, ring);
  // The rainbow shimmer of a disc's surface, as faint coloured sectors.
  const Ink sheen[] = {c.blue, c.green, c.yellow, c.red};
  for (int i = 0; i < 4; ++i) {
    const double from = -std::numbers::pi / 2 + i * std::numbers::pi / 2 + 0.35, to = from + std::numbers::pi / 3.2;
    s.Fill(WithAlpha(sheen[i], 0.38), [=](cairo_t* cr) {
      cairo_new_sub_path(cr);
      cairo_arc(cr, cx, cy, r * 0.92, from, to);
      cairo_arc_negative(cr, cx, cy, r * 0.42, to, from);
      cairo_close_path(cr);
    });
  }
  s.Line(s.HandDrawn() ? c.line : Darker(silver, 0.55), s.Outline(), ring);
}

void Photo(Sketch& s, double x, double y, double w, double h) {
  const Palette& c = s.Colors();
  const double border = std::max(s.Outline() * 1.4, std::min(w, h) * 0.1);
  s.Shape(c.paper, Polygon({{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}}));
  const double ix = x + border, iy = y + border, iw = w - 2 * border, ih = h - 2 * border;
  s.Fill(c.sky, Polygon({{ix, iy}, {ix + iw, iy}, {ix + iw, iy + ih}, {ix, iy + ih}}));
  s.Fill(c.yellow, Circle(ix + iw * 0.72, iy + ih * 0.32, std::min(iw, ih) * 0.17));
  s.Fill(c.grass, Polygon({{ix, iy + ih},
                           {ix, iy + ih * 0.62},
                           {ix + iw * 0.32, iy + ih * 0.38},
                           {ix + iw * 0.62, iy + ih * 0.72},
                           {ix + iw * 0.78, iy + ih * 0.58},
                           {ix + iw, iy + ih * 0.8},
                           {ix + iw, iy + ih}}));
}

void Star(Sketch& s, Ink ink, double cx, double cy, double r, int points, double inner) {
  s.Shape(ink, [=](cairo_t* cr) {
    for (int i = 0; i < 2 * points; ++i) {
      const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / points;
      const double radius = i % 2 ? r * inner : r;
      (i == 0 ? cairo_move_to : cairo_line_to)(cr, cx + radius * std::cos(angle), cy + radius * std::sin(angle));
    }
    cairo_close_path(cr);
  });
}

void Gear(Sketch& s, Ink ink, double cx, double cy, double r, int teeth) {
  s.Shape(ink, [=](cairo_t* cr) {
    const double root = r * 0.74, step = 2 * std::numbers::pi / teeth;
    for (int i = 0; i < teeth; ++i) {
      const double a = i * step;
      const double corners[4][2] = {{a - step * 0.28, root}, {a - step * 0.16, r}, {a + step * 0.16, r},
                                    {a + step * 0.28, root}};
      for (int k = 0; k < 4; ++k) {
        const double px = cx + corners[k][1] * std::cos(corners[k][0]);
        const double py = cy + corners[k][1] * std::sin(corners[k][0]);
        (i == 0 && k == 0 ? cairo_move_to : cairo_line_to)(cr, px, py);
      }
    }
    cairo_close_path(cr);
    Circle(cx, cy, r * 0.3)(cr);
  });
}

void Badge(Sketch& s, Ink ink, double cx, double cy, double r) { s.Shape(ink, Circle(cx, cy, r)); }

void Glyph(Sketch& s, double width, const PathBuilder& path) { s.Line(s.Colors().glyph, width, path); }

void Tray(Sketch& s, double x, double y, double w, double h) {
  const Palette& c = s.Colors();
  const double lip = h * 0.38;
  s.Shape(Darker(c.metal, 0.1), Polygon({{x, y}, {x + w * 0.2, y}, {x + w * 0.3, y + lip}, {x + w * 0.7, y + lip},
                                         {x + w * 0.8, y}, {x + w, y}, {x + w, y + h}, {x, y + h}}));
}
