#include "engine/save_parameters.h"

#include <FreeImage.h>

#include "app/formats.h"
#include "app/job_state.h"
#include "app/settings.h"

int32_t JpegSaveFlags(int32_t quality, int32_t chroma, int32_t saveAs) {
  static const int32_t kChroma[] = {JPEG_SUBSAMPLING_444, JPEG_SUBSAMPLING_422, JPEG_SUBSAMPLING_420,
                                    JPEG_SUBSAMPLING_411};
  static const int32_t kSaveAs[] = {0, JPEG_BASELINE, JPEG_OPTIMIZE, JPEG_PROGRESSIVE};
  int32_t flags = quality;
  if (chroma >= 0 && chroma < 4) flags |= kChroma[chroma];
  if (saveAs >= 0 && saveAs < 4) flags |= kSaveAs[saveAs];
  return flags;
}

void PrepareSaveParameters() {
  const OutputFormatRecord* format = FindOutputFormat(g_job.OutputFormat);
  g_job.OutputFormatId = format ? format->freeImageFormat : FIF_UNKNOWN;
  g_job.OutputBitDepth = g_settings.Output.JpgBpp;
  g_job.AutoBitDepth = g_job.OutputBitDepth == 0;
  const OutputSettings& output = g_settings.Output;
  g_job.SaveFlags = g_job.OutputFormat == "jpg"
                        ? JpegSaveFlags(output.JpgQuality, output.JpgChroma, output.JpgSaveAs)
                        : 0;
}
