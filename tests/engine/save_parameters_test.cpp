#include "engine/save_parameters.h"

#include <FreeImage.h>
#include <gtest/gtest.h>

#include "app/job_state.h"
#include "app/settings.h"
#include "support/program_state.h"

TEST(SaveParameters, JpegFlagsCombineQualityChromaAndEncoding) {
  const struct {
    int quality, chroma, saveAs, flags;
  } cases[] = {
      {95, 0, 0, 95 | 0x10000},      {100, 3, 3, 12388},           {50, 1, 1, 50 | 0x8000 | 0x40000},
      {80, 2, 2, 80 | 0x4000 | 0x20000}, {90, 7, 9, 90},
  };
  for (const auto& c : cases) EXPECT_EQ(JpegSaveFlags(c.quality, c.chroma, c.saveAs), c.flags) << c.flags;
}

TEST(SaveParameters, PreparedFromTheSettings) {
  ResetProgramState();
  g_job.OutputFormat = "jpg";
  PrepareSaveParameters();
  EXPECT_EQ(g_job.OutputFormatId, FIF_JPEG);
  EXPECT_EQ(g_job.SaveFlags, 95 | JPEG_SUBSAMPLING_444);
  EXPECT_TRUE(g_job.AutoBitDepth);
  g_settings.Output.JpgBpp = 24;
  PrepareSaveParameters();
  EXPECT_FALSE(g_job.AutoBitDepth);
  EXPECT_EQ(g_job.OutputBitDepth, 24);
}
