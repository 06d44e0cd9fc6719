#pragma once
#include "engine/bitmap.h"

// Puts the text or picture watermark onto a w x h image.
Bitmap WatermarkStep(Bitmap bitmap, int width, int height);
