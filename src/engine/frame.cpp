#include "engine/frame.h"

// Frames are not drawn yet; the step keeps its place in the pipeline.
Bitmap FrameStep(Bitmap bitmap, int width, int height) { return bitmap; }
