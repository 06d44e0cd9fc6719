#pragma once
// Turns the output settings into the save parameters of the job: FreeImage
// format, requested bit depth and save flags.
#include <cstdint>
#include <string>

int32_t JpegSaveFlags(int32_t quality, int32_t chroma, int32_t saveAs);
// Fills OutputFormatId, OutputBitDepth, AutoBitDepth and SaveFlags of the
// job for its OutputFormat.
void PrepareSaveParameters();
