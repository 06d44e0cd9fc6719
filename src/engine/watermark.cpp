#include "engine/watermark.h"

// Watermarks are not drawn yet; the step keeps its place in the pipeline.
Bitmap WatermarkStep(Bitmap bitmap, int width, int height) { return bitmap; }
