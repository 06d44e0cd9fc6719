#pragma once
// The watermark step: a text block or a picture, rotated, cut to fit, placed
// at one of nine positions and composited over the image.
#include "engine/bitmap.h"

struct WatermarkArea {
  int x = 0, y = 0;           // top-left of the available area in the image
  int width = 0, height = 0;  // its size
};

struct WatermarkPlacement {
  int width = 0, height = 0;  // of the layer after the fit
  int x = 0, y = 0;           // of its top-left corner in the image
};

// The area the watermark may use: the whole image, or the inside of the
// frame when the boundary asks for it and a frame is drawn.
WatermarkArea AvailableArea(int imageWidth, int imageHeight, int boundary);
// Cuts the layer to the area (the offsets count for every position) and
// places it; width or height 0 when nothing remains.
WatermarkPlacement PlaceWatermark(int layerWidth, int layerHeight, const WatermarkArea& area, int position,
                                  int xOffset, int yOffset);
// Puts the watermark onto a w x h image.
Bitmap WatermarkStep(Bitmap bitmap, int width, int height);
