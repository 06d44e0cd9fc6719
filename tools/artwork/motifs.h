#pragma once
// Pieces the pictures are made of, in the coordinates of the sketch's grid.
#include <initializer_list>

#include "sketch.h"

struct Spot {
  double x, y;
};

// Path builders.
PathBuilder Polygon(std::initializer_list<Spot> corners);
PathBuilder RoundedBox(double x, double y, double w, double h, double radius);
PathBuilder Circle(double cx, double cy, double r);

// A sheet of paper with its top-right corner folded; `lines` adds text rows.
void Page(Sketch& s, double x, double y, double w, double h, bool lines);
// A folder in two steps, so that something can go between back and front.
void FolderBack(Sketch& s, double x, double y, double w, double h);
void FolderFront(Sketch& s, double x, double y, double w, double h);
// A straight arrow from (x0, y0) to its tip at (x1, y1).
void Arrow(Sketch& s, Ink ink, double x0, double y0, double x1, double y1, double shaft, double head);
// A band along a circle from angle a0 to a1 (radians, clockwise on screen),
// ending in an arrow head.
void CurvedArrow(Sketch& s, Ink ink, double cx, double cy, double r, double a0, double a1, double width);
// A PhotoCD disc.
void Disc(Sketch& s, double cx, double cy, double r);
// A landscape photograph: sky, hills, sun, white border.
void Photo(Sketch& s, double x, double y, double w, double h);
void Star(Sketch& s, Ink ink, double cx, double cy, double r, int points, double inner);
void Gear(Sketch& s, Ink ink, double cx, double cy, double r, int teeth);
// A round badge in a colour, for signs drawn on it with Glyph.
void Badge(Sketch& s, Ink ink, double cx, double cy, double r);
void Glyph(Sketch& s, double width, const PathBuilder& path);
// An open box seen from the front.
void Tray(Sketch& s, double x, double y, double w, double h);
