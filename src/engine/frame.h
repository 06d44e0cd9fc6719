#pragma once
// The solid frame: four bands of given widths and colours with mitred
// corners, laid over the edges of the image with one opacity.
#include <array>
#include <string>

#include "engine/bitmap.h"

struct FrameWidths {
  int left, right, top, bottom;
};

// The four band outlines (top, right, bottom, left) as SVG path text.
std::array<std::string, 4> FrameBandPaths(int width, int height, const FrameWidths& widths);
// Draws the frame over a w x h image.
Bitmap FrameStep(Bitmap bitmap, int width, int height);
