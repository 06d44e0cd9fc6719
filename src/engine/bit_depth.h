#pragma once
// The last step before saving: the bitmap takes the output bit depth.
#include <string>

#include "engine/bitmap.h"

// The first of the format's allowed depths that is at least sourceBitDepth,
// else the largest; 0 for a format without a list.
int ChooseBitDepth(const std::string& format, int sourceBitDepth);

// Converts to g_job.OutputBitDepth, which it first sets from the source depth
// when the depth is automatic. An unsupported depth gives a null bitmap.
Bitmap BitDepthStep(Bitmap bitmap);
