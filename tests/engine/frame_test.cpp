#include "engine/frame.h"

#include <gtest/gtest.h>

#include "app/settings.h"
#include "support/images.h"

namespace {

constexpr uint32_t kGreen = 0x00FF00, kRed = 0xFF0000, kBlue = 0x0000FF;

class Frame : public ::testing::Test {
 protected:
  void SetUp() override { ApplyDefaults(DefaultsVariant::Console); }
  void Widths(int left, int right, int top, int bottom) {
    FrameSettings& frame = g_settings.Frame;
    frame.DoFrame = 1;
    frame.SolidLeft = left, frame.SolidRight = right, frame.SolidTop = top, frame.SolidBottom = bottom;
  }
  void Colors(const char* left, const char* right, const char* top, const char* bottom) {
    FrameSettings& frame = g_settings.Frame;
    frame.SolidLeftColor = left, frame.SolidRightColor = right, frame.SolidTopColor = top,
    frame.SolidBottomColor = bottom;
  }
  // The framed picture; pixels are read from the top-left corner.
  Bitmap Framed(unsigned width, unsigned height) {
    return FrameStep(SolidBitmap(width, height, kGreen), int(width), int(height));
  }
  static uint32_t At(const Bitmap& bitmap, unsigned x, unsigned y) { return RgbAt(bitmap, x, HeightOf(bitmap) - 1 - y); }
};

TEST_F(Frame, ARedBorderLeavesTheInsideUntouched) {
  Widths(10, 10, 10, 10);
  Colors("FF0000", "FF0000", "FF0000", "FF0000");
  Bitmap framed = Framed(100, 80);
  ASSERT_TRUE(framed);
  EXPECT_EQ(BitsPerPixel(framed), 24u);
  EXPECT_EQ(WidthOf(framed), 100u);
  for (unsigned y = 0; y < 80; ++y)
    for (unsigned x = 0; x < 100; ++x) {
      const bool border = x < 10 || x >= 90 || y < 10 || y >= 70;
      ASSERT_EQ(At(framed, x, y), border ? kRed : kGreen) << x << "," << y;
    }
}

TEST_F(Frame, ACornerIsSplitAlongItsDiagonal) {
  Widths(20, 0, 20, 0);
  Colors("0000FF", "000000", "FF0000", "000000");
  Bitmap framed = Framed(100, 80);
  for (unsigned i = 0; i < 20; ++i)
    for (unsigned j = 0; j < 20; ++j) {
      if (i + 1 < j) {
        EXPECT_EQ(At(framed, i, j), kBlue) << i << "," << j;  // below the diagonal
      } else if (j + 1 < i) {
        EXPECT_EQ(At(framed, i, j), kRed) << i << "," << j;  // above it
      }
    }
  EXPECT_EQ(At(framed, 50, 10), kRed);
  EXPECT_EQ(At(framed, 10, 50), kBlue);
  EXPECT_EQ(At(framed, 50, 50), kGreen);
}

TEST_F(Frame, OpacityAppliesToTheWholeFrame) {
  Widths(10, 10, 10, 10);
  Colors("FF0000", "FF0000", "FF0000", "FF0000");
  g_settings.Frame.SolidOpacity = 128;
  Bitmap half = Framed(100, 80);
  const uint32_t pixel = At(half, 5, 40);
  EXPECT_NEAR(int(pixel >> 16), 128, 3);
  EXPECT_NEAR(int((pixel >> 8) & 0xFF), 127, 3);
  EXPECT_EQ(At(half, 50, 40), kGreen);
  g_settings.Frame.SolidOpacity = 0;
  EXPECT_EQ(At(Framed(100, 80), 5, 40), kGreen);
}

TEST_F(Frame, WideBandsOverlapAndTheLaterOneWins) {
  Widths(60, 60, 0, 0);
  Colors("0000FF", "FF0000", "000000", "000000");
  Bitmap framed = Framed(100, 80);
  EXPECT_EQ(At(framed, 50, 40), kBlue);  // the left band is drawn last
  EXPECT_EQ(At(framed, 95, 40), kRed);
  EXPECT_EQ(At(framed, 5, 40), kBlue);
}

TEST_F(Frame, OverlappingBandsAreLaidOnOnce) {
  Widths(60, 60, 50, 50);
  Colors("0000FF", "0000FF", "0000FF", "0000FF");
  g_settings.Frame.SolidOpacity = 128;
  Bitmap framed = Framed(100, 80);
  for (const auto& [x, y] : {std::pair{50u, 40u}, {5u, 5u}, {95u, 75u}, {50u, 2u}}) {
    const uint32_t pixel = At(framed, x, y);
    EXPECT_NEAR(int(pixel & 0xFF), 128, 3) << x << "," << y;         // half blue...
    EXPECT_NEAR(int((pixel >> 8) & 0xFF), 127, 3) << x << "," << y;  // ...over the green
  }
}

TEST_F(Frame, NegativeWidthsStillDraw) {
  Widths(-10, 0, 10, 0);
  Colors("0000FF", "000000", "FF0000", "000000");
  Bitmap framed = Framed(100, 80);
  ASSERT_TRUE(framed);
  EXPECT_EQ(At(framed, 50, 5), kRed);
}

TEST_F(Frame, NothingToDrawOrNoFrame) {
  const struct {
    uint8_t kind;
    int width;
    unsigned bpp;
  } cases[] = {{0, 10, 8}, {1, 0, 24}, {2, 10, 24}};
  for (const auto& c : cases) {
    Widths(c.width, c.width, c.width, c.width);
    g_settings.Frame.DoFrame = c.kind;
    Bitmap grey(FreeImage_ConvertToGreyscale(SolidBitmap(40, 30, 0x808080).get()));
    Bitmap framed = FrameStep(std::move(grey), 40, 30);
    ASSERT_TRUE(framed);
    EXPECT_EQ(BitsPerPixel(framed), c.bpp) << int(c.kind);
    EXPECT_EQ(At(ConvertTo24(std::move(framed)), 0, 0), 0x808080u) << int(c.kind);
  }
  EXPECT_EQ(FrameStep(nullptr, 10, 10), nullptr);
}

TEST(FrameBandPaths, WrittenAsRelativePathText) {
  const auto paths = FrameBandPaths(100, 80, {10, 11, 12, 13});
  EXPECT_EQ(paths[0], "M 0 0 l 100 0 l -11 12 l -79 0 Z");
  EXPECT_EQ(paths[1], "M 100 0 l 0 80 l -11 -13 l 0 -55 Z");
  EXPECT_EQ(paths[2], "M 100 80 l -100 0 l 10 -13 l 79 0 Z");
  EXPECT_EQ(paths[3], "M 0 80 l 0 -80 l 10 12 l 0 55 Z");
  const auto wide = FrameBandPaths(100, 80, {60, 60, 0, 0});
  EXPECT_EQ(wide[0], "M 0 0 l 100 0 l -60 0 l 20 0 Z");
  EXPECT_EQ(wide[2], "M 100 80 l -100 0 l 60 -0 l -20 0 Z");
}

}  // namespace
