#pragma once
#include "engine/bitmap.h"

// Draws the solid frame over the edges of a w x h image.
Bitmap FrameStep(Bitmap bitmap, int width, int height);
