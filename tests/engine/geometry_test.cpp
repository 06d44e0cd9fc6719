#include "engine/geometry.h"

#include <gtest/gtest.h>

#include <cstring>

#include "app/settings.h"
#include "support/images.h"

namespace {

constexpr uint32_t kGreen = 0x00FF00;
constexpr uint32_t kRed = 0xFF0000;
constexpr uint32_t kBlack = 0x000000;

class GeometryTest : public ::testing::Test {
 protected:
  void SetUp() override { ApplyDefaults(DefaultsVariant::Console); }

  void SetRotation(int angle, uint8_t type, const char* backColor = "000000") {
    g_settings.Transform.DoImageRotation = 1;
    g_settings.Transform.ImageRotation = angle;
    g_settings.Transform.ImageRotationType = type;
    g_settings.Transform.ImageRotationBackColor = backColor;
  }
};

struct SizeCase {
  int value, unit, current, expected;
};

class ResolveSizeTest : public ::testing::TestWithParam<SizeCase> {};

TEST_P(ResolveSizeTest, GivesPixels) {
  const SizeCase& c = GetParam();
  EXPECT_EQ(ResolveSize(c.value, c.unit, c.current), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Units, ResolveSizeTest,
                         ::testing::Values(SizeCase{800, 0, 3072, 800}, SizeCase{50, 1, 3072, 1536},
                                           SizeCase{50, 1, 3, 2}, SizeCase{33, 1, 100, 33},
                                           SizeCase{100, 1, 2048, 2048}, SizeCase{50, 2, 500, 0}));

TEST_F(GeometryTest, QuarterTurnSwapsTheSidesWithoutBackground) {
  SetRotation(90, 0, "FF0000");
  Bitmap rotated = RotateStep(SolidBitmap(768, 512, kGreen));
  ASSERT_TRUE(rotated);
  EXPECT_EQ(WidthOf(rotated), 512u);
  EXPECT_EQ(HeightOf(rotated), 768u);
  for (unsigned x : {0u, 511u})
    for (unsigned y : {0u, 767u}) EXPECT_EQ(RgbAt(rotated, x, y), kGreen) << x << "," << y;
}

struct BackColorCase {
  const char* text;
  uint32_t cornerRgb;
};

class RotationBackgroundTest : public GeometryTest,
                               public ::testing::WithParamInterface<BackColorCase> {};

TEST_P(RotationBackgroundTest, SimpleRotationGrowsTheCanvasAndFillsTheCorners) {
  SetRotation(45, 0, GetParam().text);
  Bitmap rotated = RotateStep(SolidBitmap(60, 40, kGreen));
  ASSERT_TRUE(rotated);
  EXPECT_GT(WidthOf(rotated), 60u);
  EXPECT_GT(HeightOf(rotated), 40u);
  EXPECT_EQ(RgbAt(rotated, 0, 0), GetParam().cornerRgb);
  EXPECT_EQ(RgbAt(rotated, WidthOf(rotated) / 2, HeightOf(rotated) / 2), kGreen);
}

INSTANTIATE_TEST_SUITE_P(Colors, RotationBackgroundTest,
                         ::testing::Values(BackColorCase{"FF0000", kRed},
                                           BackColorCase{"F00", kBlack}));

TEST_F(GeometryTest, AdvancedRotationKeepsTheCanvas) {
  SetRotation(30, 1);
  Bitmap rotated = RotateStep(SolidBitmap(768, 512, kGreen));
  ASSERT_TRUE(rotated);
  EXPECT_EQ(WidthOf(rotated), 768u);
  EXPECT_EQ(HeightOf(rotated), 512u);
}

TEST_F(GeometryTest, AdvancedRotationTurnsAboutTheCentre) {
  Bitmap source = SolidBitmap(40, 20, kRed);
  RGBQUAD green{0, 255, 0, 0};
  for (unsigned y = 0; y < 20; ++y)
    for (unsigned x = 20; x < 40; ++x) FreeImage_SetPixelColor(source.get(), x, y, &green);
  SetRotation(180, 1);
  Bitmap rotated = RotateStep(std::move(source));
  ASSERT_TRUE(rotated);
  EXPECT_EQ(RgbAt(rotated, 5, 10), kGreen);
  EXPECT_EQ(RgbAt(rotated, 34, 10), kRed);
}

TEST_F(GeometryTest, LowDepthIsRotatedAsTwentyFourBits) {
  for (uint8_t type : {0, 1}) {
    SetRotation(90, type);
    Bitmap rotated = RotateStep(Bitmap(FreeImage_Allocate(30, 20, 8)));
    ASSERT_TRUE(rotated) << "type " << int{type};
    EXPECT_EQ(BitsPerPixel(rotated), 24u) << "type " << int{type};
  }
}

struct NoRotationCase {
  uint8_t doRotation;
  int angle;
  uint8_t type;
};

class NoRotationTest : public GeometryTest, public ::testing::WithParamInterface<NoRotationCase> {};

TEST_P(NoRotationTest, BitmapComesBackAsItWas) {
  SetRotation(GetParam().angle, GetParam().type);
  g_settings.Transform.DoImageRotation = GetParam().doRotation;
  Bitmap source = SolidBitmap(30, 20, kGreen);
  FIBITMAP* original = source.get();
  Bitmap result = RotateStep(std::move(source));
  EXPECT_EQ(result.get(), original);
}

INSTANTIATE_TEST_SUITE_P(Settings, NoRotationTest,
                         ::testing::Values(NoRotationCase{0, 90, 0}, NoRotationCase{1, 0, 0},
                                           NoRotationCase{1, 360, 0}, NoRotationCase{1, -90, 0},
                                           NoRotationCase{1, 450, 1}, NoRotationCase{1, 45, 2}));

struct ResizeCase {
  const char* name;
  int sourceWidth, sourceHeight;
  int width, widthUnit, height, heightUnit;
  bool keepAspect, onlyLarger;
  int expectedWidth, expectedHeight;
};

class ResizeTest : public GeometryTest, public ::testing::WithParamInterface<ResizeCase> {};

TEST_P(ResizeTest, GivesTheExpectedSize) {
  const ResizeCase& c = GetParam();
  TransformSettings& transform = g_settings.Transform;
  transform.DoImageResize = 1;
  transform.ImageWidth = c.width;
  transform.ImageWidthUnit = static_cast<uint8_t>(c.widthUnit);
  transform.ImageHeight = c.height;
  transform.ImageHeightUnit = static_cast<uint8_t>(c.heightUnit);
  transform.KeepAspectRatio = c.keepAspect;
  transform.ImageResizeType = c.onlyLarger ? 1 : 0;
  transform.ImageResizeAlgorithm = 0;  // box: the fastest, the size does not depend on it

  Bitmap source(FreeImage_Allocate(c.sourceWidth, c.sourceHeight, 24));
  FIBITMAP* original = source.get();
  Bitmap result = ResizeStep(std::move(source), c.sourceWidth, c.sourceHeight);
  ASSERT_TRUE(result);
  EXPECT_EQ(static_cast<int>(WidthOf(result)), c.expectedWidth);
  EXPECT_EQ(static_cast<int>(HeightOf(result)), c.expectedHeight);
  const bool unchanged = c.expectedWidth == c.sourceWidth && c.expectedHeight == c.sourceHeight;
  EXPECT_EQ(result.get() == original, unchanged);
}

INSTANTIATE_TEST_SUITE_P(
    Targets, ResizeTest,
    ::testing::Values(
        ResizeCase{"HalfByPercent", 3072, 2048, 50, 1, 50, 1, true, false, 1536, 1024},
        ResizeCase{"LandscapeKeepsAspect", 3072, 2048, 800, 0, 800, 0, true, false, 800, 533},
        ResizeCase{"PortraitKeepsAspect", 2048, 3072, 800, 0, 800, 0, true, false, 533, 800},
        ResizeCase{"LandscapeIgnoresTargetHeight", 300, 200, 150, 0, 10, 0, true, false, 150, 100},
        ResizeCase{"PortraitIgnoresTargetWidth", 200, 300, 10, 0, 150, 0, true, false, 100, 150},
        ResizeCase{"DerivedHalfRoundsUp", 40, 20, 25, 0, 25, 0, true, false, 25, 13},
        ResizeCase{"DerivedHalfRoundsUpPortrait", 20, 40, 25, 0, 25, 0, true, false, 13, 25},
        ResizeCase{"WithoutAspectBothTargets", 30, 20, 45, 0, 10, 0, false, false, 45, 10},
        ResizeCase{"MixedUnits", 40, 20, 50, 1, 30, 0, false, false, 20, 30},
        ResizeCase{"OnlyLargerKeepsSmallImage", 3072, 2048, 4000, 0, 4000, 0, true, true, 3072, 2048},
        ResizeCase{"OnlyLargerResizesWhenLargerOneWay", 300, 100, 200, 0, 200, 0, false, true, 200, 200},
        ResizeCase{"OnlyLargerShrinks", 300, 200, 150, 0, 150, 0, true, true, 150, 100},
        ResizeCase{"ZeroHeightDisables", 30, 20, 1000, 0, 0, 0, true, false, 30, 20},
        ResizeCase{"NegativeWidthDisables", 30, 20, -5, 0, 10, 0, false, false, 30, 20},
        ResizeCase{"FullSizeByPercent", 30, 20, 100, 1, 100, 1, true, false, 30, 20}),
    [](const ::testing::TestParamInfo<ResizeCase>& info) { return std::string(info.param.name); });

TEST_F(GeometryTest, ResizeOffLeavesTheBitmap) {
  g_settings.Transform.ImageWidth = 10;
  g_settings.Transform.ImageHeight = 10;
  Bitmap source = SolidBitmap(30, 20, kGreen);
  FIBITMAP* original = source.get();
  EXPECT_EQ(ResizeStep(std::move(source), 30, 20).get(), original);
}

struct FilterCase {
  uint8_t algorithm;
  FREE_IMAGE_FILTER filter;
};

class ResizeFilterTest : public GeometryTest, public ::testing::WithParamInterface<FilterCase> {};

TEST_P(ResizeFilterTest, ResamplesWithTheChosenFilter) {
  Bitmap pattern(FreeImage_Allocate(16, 16, 24));
  for (unsigned y = 0; y < 16; ++y) {
    BYTE* row = FreeImage_GetScanLine(pattern.get(), y);
    for (unsigned i = 0; i < 16 * 3; ++i) row[i] = static_cast<BYTE>((i * 37 + y * 91) % 251);
  }
  Bitmap expected(FreeImage_Rescale(pattern.get(), 7, 5, GetParam().filter));
  g_settings.Transform.DoImageResize = 1;
  g_settings.Transform.ImageWidth = 7;
  g_settings.Transform.ImageHeight = 5;
  g_settings.Transform.ImageResizeAlgorithm = GetParam().algorithm;
  Bitmap resized = ResizeStep(std::move(pattern), 16, 16);
  EXPECT_TRUE(SamePixels(resized, expected));
}

INSTANTIATE_TEST_SUITE_P(Algorithms, ResizeFilterTest,
                         ::testing::Values(FilterCase{0, FILTER_BOX}, FilterCase{1, FILTER_BILINEAR},
                                           FilterCase{2, FILTER_BSPLINE}, FilterCase{3, FILTER_BICUBIC},
                                           FilterCase{4, FILTER_CATMULLROM},
                                           FilterCase{5, FILTER_LANCZOS3},
                                           FilterCase{9, FILTER_BICUBIC}));

struct FlipCase {
  uint8_t horizontal, vertical;
};

class FlipTest : public GeometryTest, public ::testing::WithParamInterface<FlipCase> {};

TEST_P(FlipTest, MirrorsInPlace) {
  const uint32_t colors[2][2] = {{0x111111, 0x222222}, {0x333333, 0x444444}};  // [y][x]
  Bitmap bitmap = SolidBitmap(2, 2, 0);
  for (unsigned y = 0; y < 2; ++y)
    for (unsigned x = 0; x < 2; ++x) {
      RGBQUAD quad{};
      quad.rgbRed = quad.rgbGreen = quad.rgbBlue = static_cast<BYTE>(colors[y][x]);
      FreeImage_SetPixelColor(bitmap.get(), x, y, &quad);
    }
  g_settings.Transform.DoImageFlipHorizontal = GetParam().horizontal;
  g_settings.Transform.DoImageFlipVertical = GetParam().vertical;
  FlipStep(bitmap.get());
  for (unsigned y = 0; y < 2; ++y)
    for (unsigned x = 0; x < 2; ++x) {
      const unsigned fromX = GetParam().horizontal ? 1 - x : x;
      const unsigned fromY = GetParam().vertical ? 1 - y : y;
      EXPECT_EQ(RgbAt(bitmap, x, y), colors[fromY][fromX]) << x << "," << y;
    }
}

INSTANTIATE_TEST_SUITE_P(Directions, FlipTest,
                         ::testing::Values(FlipCase{0, 0}, FlipCase{1, 0}, FlipCase{0, 1},
                                           FlipCase{1, 1}));

TEST_F(GeometryTest, NullPassesThrough) {
  SetRotation(45, 0);
  g_settings.Transform.DoImageResize = 1;
  g_settings.Transform.ImageWidth = 10;
  g_settings.Transform.ImageHeight = 10;
  g_settings.Transform.DoImageFlipHorizontal = 1;
  EXPECT_FALSE(RotateStep(nullptr));
  EXPECT_FALSE(ResizeStep(nullptr, 30, 20));
  FlipStep(nullptr);
}

}  // namespace
