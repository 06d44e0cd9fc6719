#pragma once
// The tone steps of the pipeline: colour correction, greyscale, threshold
// and dither. Each runs only when its [Adjustment] switch is on.
#include "engine/bitmap.h"

// Brightness, contrast, gamma and invert; bitmaps below 8 or above 32 bits
// per pixel are adjusted as a 24-bit copy.
Bitmap ColorCorrectionStep(Bitmap bitmap);
// An 8-bit greyscale bitmap.
Bitmap GreyscaleStep(Bitmap bitmap);
// A 1-bit black-and-white bitmap cut at [Adjustment] Image Threshold.
Bitmap ThresholdStep(Bitmap bitmap);
// A 1-bit bitmap dithered with [Adjustment] Image Dither Algorithm.
Bitmap DitherStep(Bitmap bitmap);
