#include "engine/tone.h"

#include <gtest/gtest.h>

#include <cstring>

#include "app/settings.h"
#include "support/images.h"

namespace {

// 24-bit bitmap whose bytes follow a fixed pattern, so pixel changes show.
Bitmap PatternBitmap(unsigned width, unsigned height) {
  Bitmap bitmap(FreeImage_Allocate(width, height, 24));
  for (unsigned y = 0; y < height; ++y) {
    BYTE* row = FreeImage_GetScanLine(bitmap.get(), y);
    for (unsigned i = 0; i < width * 3; ++i) row[i] = static_cast<BYTE>((i * 37 + y * 91) % 251);
  }
  return bitmap;
}

// 24-bit bitmap whose left half is grey level `left` and right half `right`.
Bitmap TwoGreysBitmap(BYTE left, BYTE right) {
  Bitmap bitmap(FreeImage_Allocate(8, 4, 24));
  for (unsigned y = 0; y < 4; ++y)
    for (unsigned x = 0; x < 8; ++x) {
      RGBQUAD quad{};
      quad.rgbRed = quad.rgbGreen = quad.rgbBlue = x < 4 ? left : right;
      FreeImage_SetPixelColor(bitmap.get(), x, y, &quad);
    }
  return bitmap;
}

// White 1-bit bitmap whose palette maps index 0 to white (min-is-white).
Bitmap WhiteOnReversedPalette() {
  Bitmap bitmap(FreeImage_Allocate(8, 4, 1));
  RGBQUAD* palette = FreeImage_GetPalette(bitmap.get());
  palette[0] = RGBQUAD{255, 255, 255, 0};
  palette[1] = RGBQUAD{0, 0, 0, 0};
  for (unsigned y = 0; y < 4; ++y)
    std::memset(FreeImage_GetScanLine(bitmap.get(), y), 0, FreeImage_GetLine(bitmap.get()));
  return bitmap;
}

BYTE IndexAt(const Bitmap& bitmap, unsigned x, unsigned y) {
  BYTE index = 0;
  FreeImage_GetPixelIndex(bitmap.get(), x, y, &index);
  return index;
}

class ToneTest : public ::testing::Test {
 protected:
  void SetUp() override { ApplyDefaults(DefaultsVariant::Console); }
};

TEST_F(ToneTest, NeutralColorCorrectionLeavesThePixels) {
  g_settings.Adjustment.DoImageColorCorrection = 1;
  Bitmap source = PatternBitmap(16, 8);
  Bitmap before(FreeImage_Clone(source.get()));
  FIBITMAP* original = source.get();
  Bitmap corrected = ColorCorrectionStep(std::move(source));
  EXPECT_EQ(corrected.get(), original);
  EXPECT_TRUE(SamePixels(corrected, before));
}

TEST_F(ToneTest, InvertAppliesTheCorrection) {
  g_settings.Adjustment.DoImageColorCorrection = 1;
  g_settings.Adjustment.ImageInvert = 1;
  Bitmap corrected = ColorCorrectionStep(TwoGreysBitmap(10, 200));
  RGBQUAD quad{};
  FreeImage_GetPixelColor(corrected.get(), 0, 0, &quad);
  EXPECT_EQ(quad.rgbRed, 245);
  FreeImage_GetPixelColor(corrected.get(), 7, 0, &quad);
  EXPECT_EQ(quad.rgbRed, 55);
}

TEST_F(ToneTest, ColorCorrectionOfOneBitWorksOnATwentyFourBitCopy) {
  g_settings.Adjustment.DoImageColorCorrection = 1;
  g_settings.Adjustment.ImageInvert = 1;
  Bitmap corrected = ColorCorrectionStep(WhiteOnReversedPalette());
  ASSERT_TRUE(corrected);
  EXPECT_EQ(BitsPerPixel(corrected), 24u);
  RGBQUAD quad{};
  FreeImage_GetPixelColor(corrected.get(), 0, 0, &quad);
  EXPECT_EQ(quad.rgbRed, 0);  // white, inverted
}

TEST_F(ToneTest, GreyscaleGivesEightBits) {
  g_settings.Adjustment.DoImageGreyscale = 1;
  Bitmap grey = GreyscaleStep(PatternBitmap(16, 8));
  ASSERT_TRUE(grey);
  EXPECT_EQ(BitsPerPixel(grey), 8u);
  EXPECT_EQ(FreeImage_GetColorType(grey.get()), FIC_MINISBLACK);
}

TEST_F(ToneTest, GreyscaleOfFortyEightBitsGoesThroughTwentyFour) {
  g_settings.Adjustment.DoImageGreyscale = 1;
  Bitmap grey = GreyscaleStep(Bitmap(FreeImage_AllocateT(FIT_RGB16, 16, 8)));
  ASSERT_TRUE(grey);
  EXPECT_EQ(BitsPerPixel(grey), 8u);
}

TEST_F(ToneTest, ThresholdSplitsAtTheLevel) {
  g_settings.Adjustment.DoImageThreshold = 1;
  g_settings.Adjustment.ImageThreshold = 128;
  Bitmap split = ThresholdStep(TwoGreysBitmap(100, 200));
  ASSERT_TRUE(split);
  EXPECT_EQ(BitsPerPixel(split), 1u);
  EXPECT_EQ(IndexAt(split, 0, 0), 0);
  EXPECT_EQ(IndexAt(split, 7, 0), 1);
}

TEST_F(ToneTest, DitherGivesOneBit) {
  g_settings.Adjustment.DoImageDither = 1;
  Bitmap dithered = DitherStep(PatternBitmap(16, 8));
  ASSERT_TRUE(dithered);
  EXPECT_EQ(BitsPerPixel(dithered), 1u);
}

struct DitherCase {
  uint8_t algorithm;
  FREE_IMAGE_DITHER expected;
};

class DitherAlgorithmTest : public ToneTest, public ::testing::WithParamInterface<DitherCase> {};

TEST_P(DitherAlgorithmTest, UsesTheChosenAlgorithm) {
  Bitmap source = PatternBitmap(32, 32);
  Bitmap expected(FreeImage_Dither(source.get(), GetParam().expected));
  g_settings.Adjustment.DoImageDither = 1;
  g_settings.Adjustment.ImageDitherAlgorithm = GetParam().algorithm;
  EXPECT_TRUE(SamePixels(DitherStep(std::move(source)), expected));
}

INSTANTIATE_TEST_SUITE_P(
    Algorithms, DitherAlgorithmTest,
    ::testing::Values(DitherCase{0, FID_FS}, DitherCase{1, FID_BAYER4x4}, DitherCase{2, FID_BAYER8x8},
                      DitherCase{3, FID_BAYER16x16}, DitherCase{4, FID_CLUSTER6x6},
                      DitherCase{5, FID_CLUSTER8x8}, DitherCase{6, FID_CLUSTER16x16},
                      DitherCase{7, FID_FS}));

using ToneStep = Bitmap (*)(Bitmap);

struct StepCase {
  const char* name;
  ToneStep step;
  uint8_t AdjustmentSettings::*enable;
};

const StepCase kSteps[] = {
    {"ColorCorrection", ColorCorrectionStep, &AdjustmentSettings::DoImageColorCorrection},
    {"Greyscale", GreyscaleStep, &AdjustmentSettings::DoImageGreyscale},
    {"Threshold", ThresholdStep, &AdjustmentSettings::DoImageThreshold},
    {"Dither", DitherStep, &AdjustmentSettings::DoImageDither},
};

class ToneStepTest : public ToneTest, public ::testing::WithParamInterface<StepCase> {};

TEST_P(ToneStepTest, SwitchedOffLeavesTheBitmap) {
  Bitmap source = PatternBitmap(16, 8);
  FIBITMAP* original = source.get();
  EXPECT_EQ(GetParam().step(std::move(source)).get(), original);
}

TEST_P(ToneStepTest, NullPassesThrough) {
  g_settings.Adjustment.*GetParam().enable = 1;
  EXPECT_FALSE(GetParam().step(nullptr));
}

INSTANTIATE_TEST_SUITE_P(Steps, ToneStepTest, ::testing::ValuesIn(kSteps),
                         [](const ::testing::TestParamInfo<StepCase>& info) {
                           return std::string(info.param.name);
                         });

// Threshold and dither read a 1-bit bitmap through its 24-bit copy, so the
// result is black-and-white in the usual order whatever the input palette.
TEST_F(ToneTest, OneBitInputComesOutMinIsBlack) {
  g_settings.Adjustment.DoImageThreshold = 1;
  g_settings.Adjustment.ImageThreshold = 128;
  g_settings.Adjustment.DoImageDither = 1;
  for (ToneStep step : {ThresholdStep, DitherStep}) {
    Bitmap result = step(WhiteOnReversedPalette());
    ASSERT_TRUE(result);
    EXPECT_EQ(BitsPerPixel(result), 1u);
    EXPECT_EQ(FreeImage_GetColorType(result.get()), FIC_MINISBLACK);
    EXPECT_EQ(IndexAt(result, 0, 0), 1);  // still white
  }
}

}  // namespace
