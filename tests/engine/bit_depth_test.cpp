#include "engine/bit_depth.h"

#include <gtest/gtest.h>

#include "app/job_state.h"
#include "app/settings.h"

namespace {

// 24-bit bitmap with a red left half and a blue right half.
Bitmap ColourBitmap() {
  Bitmap bitmap(FreeImage_Allocate(8, 4, 24));
  for (unsigned y = 0; y < 4; ++y)
    for (unsigned x = 0; x < 8; ++x) {
      RGBQUAD quad{};
      (x < 4 ? quad.rgbRed : quad.rgbBlue) = 255;
      FreeImage_SetPixelColor(bitmap.get(), x, y, &quad);
    }
  return bitmap;
}

struct ChooseCase {
  const char* format;
  int source;
  int expected;
};

class ChooseBitDepthTest : public ::testing::TestWithParam<ChooseCase> {};

TEST_P(ChooseBitDepthTest, PicksTheFirstDepthThatHoldsTheSource) {
  const ChooseCase& c = GetParam();
  EXPECT_EQ(ChooseBitDepth(c.format, c.source), c.expected) << c.format << " " << c.source;
}

INSTANTIATE_TEST_SUITE_P(
    Formats, ChooseBitDepthTest,
    ::testing::Values(ChooseCase{"jpg", 1, 8}, ChooseCase{"jpg", 4, 8}, ChooseCase{"jpg", 8, 8},
                      ChooseCase{"jpg", 16, 24}, ChooseCase{"jpg", 24, 24}, ChooseCase{"jpg", 32, 24},
                      ChooseCase{"jpg", 48, 24}, ChooseCase{"png", 2, 4}, ChooseCase{"pbm", 24, 1},
                      ChooseCase{"none", 24, 0}));

class BitDepthTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ApplyDefaults(DefaultsVariant::Console);
    g_job = JobState{};
    g_job.OutputFormat = "jpg";
  }

  void SetAutomatic(int sourceBitDepth) {
    g_job.AutoBitDepth = true;
    g_job.OutputBitDepth = 0;
    g_job.SourceBitDepth = sourceBitDepth;
  }
};

TEST_F(BitDepthTest, AutomaticDepthMatchingTheBitmapLeavesIt) {
  SetAutomatic(24);
  Bitmap source = ColourBitmap();
  FIBITMAP* original = source.get();
  EXPECT_EQ(BitDepthStep(std::move(source)).get(), original);
  EXPECT_EQ(g_job.OutputBitDepth, 24);
}

TEST_F(BitDepthTest, AutomaticDepthFollowsTheSourceNotTheLoweredBitmap) {
  for (unsigned loweredBpp : {8u, 1u}) {
    SetAutomatic(24);
    Bitmap result = BitDepthStep(Bitmap(FreeImage_Allocate(8, 4, loweredBpp)));
    ASSERT_TRUE(result) << loweredBpp;
    EXPECT_EQ(BitsPerPixel(result), 24u) << loweredBpp;
  }
}

TEST_F(BitDepthTest, EightBitJpegOfColourIsGreyscale) {
  g_job.OutputBitDepth = 8;
  Bitmap result = BitDepthStep(ColourBitmap());
  ASSERT_TRUE(result);
  EXPECT_EQ(BitsPerPixel(result), 8u);
  EXPECT_EQ(FreeImage_GetColorType(result.get()), FIC_MINISBLACK);
}

TEST_F(BitDepthTest, EightBitsElsewhereIsAColourPalette) {
  g_job.OutputFormat = "png";
  g_job.OutputBitDepth = 8;
  Bitmap result = BitDepthStep(ColourBitmap());
  ASSERT_TRUE(result);
  EXPECT_EQ(BitsPerPixel(result), 8u);
  EXPECT_EQ(FreeImage_GetColorType(result.get()), FIC_PALETTE);
  BYTE index = 0;
  FreeImage_GetPixelIndex(result.get(), 0, 0, &index);
  const RGBQUAD red = FreeImage_GetPalette(result.get())[index];
  EXPECT_EQ(red.rgbRed, 255);
  EXPECT_EQ(red.rgbBlue, 0);
}

struct DepthCase {
  const char* format;
  int depth;
  unsigned expectedBpp;
  unsigned expectedGreenMask;  // 16-bit layouts only; 0 elsewhere
};

class ConvertDepthTest : public BitDepthTest, public ::testing::WithParamInterface<DepthCase> {};

TEST_P(ConvertDepthTest, ConvertsToTheRequestedDepth) {
  const DepthCase& c = GetParam();
  g_job.OutputFormat = c.format;
  g_job.OutputBitDepth = c.depth;
  Bitmap result = BitDepthStep(ColourBitmap());
  ASSERT_TRUE(result);
  EXPECT_EQ(BitsPerPixel(result), c.expectedBpp);
  if (c.expectedGreenMask) {
    EXPECT_EQ(FreeImage_GetGreenMask(result.get()), c.expectedGreenMask);
  }
}

INSTANTIATE_TEST_SUITE_P(Depths, ConvertDepthTest,
                         ::testing::Values(DepthCase{"bmp", 1, 1, 0}, DepthCase{"bmp", 4, 4, 0},
                                           DepthCase{"tga", 16, 16, FI16_555_GREEN_MASK},
                                           DepthCase{"ico", 16, 16, FI16_555_GREEN_MASK},
                                           DepthCase{"bmp", 16, 16, FI16_565_GREEN_MASK},
                                           DepthCase{"png", 32, 32, 0}, DepthCase{"png", 48, 48, 0},
                                           DepthCase{"tiff", 96, 96, 0}));

TEST_F(BitDepthTest, UnsupportedDepthGivesNull) {
  g_job.OutputBitDepth = 12;
  EXPECT_FALSE(BitDepthStep(ColourBitmap()));
}

TEST_F(BitDepthTest, NullPassesThrough) {
  g_job.OutputBitDepth = 8;
  EXPECT_FALSE(BitDepthStep(nullptr));
}

}  // namespace
