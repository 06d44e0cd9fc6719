#include "engine/watermark.h"

#include <gtest/gtest.h>

#include <set>

#include "app/job_state.h"
#include "app/settings.h"
#include "engine/text_block.h"
#include "engine/watermark_font.h"
#include "platform/fonts.h"
#include "support/images.h"
#include "support/program_state.h"
#include "support/sandbox.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFF;

struct Box {
  int left = -1, top = -1, right = -1, bottom = -1;  // inclusive, from the top-left
  int Width() const { return right - left + 1; }
  int Height() const { return bottom - top + 1; }
};

uint32_t At(const Bitmap& bitmap, unsigned x, unsigned y) { return RgbAt(bitmap, x, HeightOf(bitmap) - 1 - y); }

// Where the image differs from its white background.
Box ChangedBox(const Bitmap& bitmap) {
  Box box;
  for (unsigned y = 0; y < HeightOf(bitmap); ++y)
    for (unsigned x = 0; x < WidthOf(bitmap); ++x)
      if (At(bitmap, x, y) != kWhite) {
        if (box.left < 0 || int(x) < box.left) box.left = int(x);
        if (box.top < 0) box.top = int(y);
        box.right = std::max(box.right, int(x));
        box.bottom = int(y);
      }
  return box;
}

std::set<uint32_t> ColorsIn(const Bitmap& bitmap, const Box& box) {
  std::set<uint32_t> colors;
  for (int y = box.top; y <= box.bottom; ++y)
    for (int x = box.left; x <= box.right; ++x) colors.insert(At(bitmap, unsigned(x), unsigned(y)));
  return colors;
}

TEST(WatermarkPlacement, NinePositionsOffsetsAndTheFit) {
  const WatermarkArea image{0, 0, 1024, 683};
  const struct {
    int position, x, y;
  } cases[] = {{8, 814, 657}, {4, 412, 333}, {0, 10, 10},   {1, 412, 10}, {2, 814, 10},
               {3, 10, 333},  {5, 814, 333}, {6, 10, 657}, {7, 412, 657}, {9, 0, 0}};
  for (const auto& c : cases) {
    const WatermarkPlacement placement = PlaceWatermark(200, 16, image, c.position, 10, 10);
    EXPECT_EQ(placement.x, c.x) << c.position;
    EXPECT_EQ(placement.y, c.y) << c.position;
    EXPECT_EQ(placement.width, 200);
  }
  const WatermarkPlacement cut = PlaceWatermark(400, 16, {0, 0, 300, 200}, 0, 10, 10);
  EXPECT_EQ(cut.width, 290);
  EXPECT_EQ(cut.height, 16);
  const WatermarkPlacement cutCentred = PlaceWatermark(100, 195, {0, 0, 300, 200}, 4, 10, 10);
  EXPECT_EQ(cutCentred.height, 190);  // the offsets count for centred positions too
  EXPECT_EQ(PlaceWatermark(100, 16, {0, 0, 300, 200}, 0, 300, 10).width, 0);  // nothing remains
}

TEST(WatermarkPlacement, InsideTheFrame) {
  ApplyDefaults(DefaultsVariant::Console);
  g_settings.Frame.DoFrame = 1;
  g_settings.Frame.SolidLeft = g_settings.Frame.SolidRight = 20;
  g_settings.Frame.SolidTop = g_settings.Frame.SolidBottom = 20;
  const WatermarkArea inside = AvailableArea(1024, 683, 1);
  EXPECT_EQ(inside.width, 984);
  EXPECT_EQ(inside.height, 643);
  const WatermarkPlacement placement = PlaceWatermark(200, 16, inside, 0, 10, 10);
  EXPECT_EQ(placement.x, 30);
  EXPECT_EQ(placement.y, 30);
  EXPECT_EQ(AvailableArea(1024, 683, 0).width, 1024);
  g_settings.Frame.DoFrame = 0;
  EXPECT_EQ(AvailableArea(1024, 683, 1).width, 1024);
}

TEST(WatermarkText, LinesSplitAtTheMarkerInAnyCase) {
  EXPECT_EQ(SplitWatermarkLines("Hello%EOL%World"), (std::vector<std::string>{"Hello", "World"}));
  EXPECT_EQ(SplitWatermarkLines("a%eol%%Eol%b"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(SplitWatermarkLines("100%"), (std::vector<std::string>{"100%"}));
}

TEST(WatermarkFonts, FacesComeFromFontconfig) {
  EXPECT_TRUE(FontFaceAvailable("Arial"));        // a configured substitute (Liberation Sans)
  EXPECT_TRUE(FontFaceAvailable("Liberation Serif"));
  EXPECT_TRUE(FontFaceAvailable("DejaVu Sans"));
  EXPECT_FALSE(FontFaceAvailable("Velmora Imaginary Face"));  // only the generic fallback answers
  EXPECT_FALSE(FontFaceAvailable(""));
  EXPECT_DOUBLE_EQ(FontPixelSize(12), 16.0);
}

class Watermark : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProgramState();
    g_job.CurrentInput = "/photos/IMG0001.pcd";
    g_job.OutputFormat = "jpg";
    WatermarkSettings& watermark = g_settings.Watermark;
    watermark.DoWatermark = 1;
    watermark.Text = "Tarnwick";
    watermark.FontColor = "FF0000";
    watermark.BackColor = "000000";
    watermark.BackOpacity = 255;
    watermark.TextPosition = 0;
    watermark.TextXOffset = watermark.TextYOffset = 0;
    ASSERT_TRUE(CreateWatermarkFont());
  }
  void TearDown() override { ReleaseWatermarkFont(); }
  Bitmap Marked(unsigned width = 400, unsigned height = 200) {
    return WatermarkStep(SolidBitmap(width, height, kWhite), int(width), int(height));
  }
};

TEST_F(Watermark, PlainTextHasOnlyTwoColours) {
  Bitmap marked = Marked();
  const Box box = ChangedBox(marked);
  ASSERT_GT(box.Width(), 20);
  EXPECT_EQ(box.left, 0);
  EXPECT_EQ(box.top, 0);
  EXPECT_EQ(ColorsIn(marked, box), (std::set<uint32_t>{0x000000, 0xFF0000}));
}

TEST_F(Watermark, AntialiasedTextBlendsItsEdges) {
  g_settings.Watermark.TextAntialiasing = 1;
  Bitmap marked = Marked();
  const std::set<uint32_t> colors = ColorsIn(marked, ChangedBox(marked));
  EXPECT_GT(colors.size(), 2u);
  EXPECT_TRUE(colors.count(0x000000));
}

TEST_F(Watermark, HalfTransparentPlainTextReplacesTheBackground) {
  g_settings.Watermark.TextOpacity = 128;
  g_settings.Watermark.BackColor = "0000FF";
  Bitmap marked = Marked();
  const std::set<uint32_t> colors = ColorsIn(marked, ChangedBox(marked));
  // Glyph pixels: red at half over the white image, not over the blue box.
  EXPECT_TRUE(colors.count(0x0000FF));
  bool halfRedOverWhite = false;
  for (uint32_t color : colors)
    if (std::abs(int(color >> 16) - 255) <= 1 && std::abs(int((color >> 8) & 0xFF) - 127) <= 2) halfRedOverWhite = true;
  EXPECT_TRUE(halfRedOverWhite);
}

TEST_F(Watermark, TwoLinesMakeATallerBlockAndPaddingGrowsIt) {
  const Box one = ChangedBox(Marked());
  g_settings.Watermark.Text = "Tarnwick%EOL%Tarnwick";
  const Box two = ChangedBox(Marked());
  EXPECT_EQ(two.Height(), 2 * one.Height());
  g_settings.Watermark.FontLeading = 5;
  EXPECT_EQ(ChangedBox(Marked()).Height(), 2 * one.Height() + 5);
  g_settings.Watermark.Text = "Tarnwick";
  g_settings.Watermark.FontLeading = 0;
  g_settings.Watermark.TextPadding = 4;
  const Box padded = ChangedBox(Marked());
  EXPECT_EQ(padded.Width(), one.Width() + 8);
  EXPECT_EQ(padded.Height(), one.Height() + 8);
}

TEST_F(Watermark, RotationTurnsTheBlock) {
  const Box flat = ChangedBox(Marked());
  g_settings.Watermark.TextRotation = 90;
  const Box turned = ChangedBox(Marked());
  EXPECT_NEAR(turned.Width(), flat.Height(), 1);
  EXPECT_NEAR(turned.Height(), flat.Width(), 1);
}

TEST_F(Watermark, BottomRightWithOffsetsAndTheCutAtTheRightEdge) {
  g_settings.Watermark.TextPosition = 8;
  g_settings.Watermark.TextXOffset = 10;
  g_settings.Watermark.TextYOffset = 10;
  const Box box = ChangedBox(Marked());
  EXPECT_EQ(box.right, 400 - 1 - 10);
  EXPECT_EQ(box.bottom, 200 - 1 - 10);
  g_settings.Watermark.TextPosition = 0;
  g_settings.Watermark.Text = "A rather long watermark text that cannot fit";
  const Box cut = ChangedBox(Marked(120, 60));
  EXPECT_EQ(cut.left, 10);
  EXPECT_EQ(cut.right, 119);  // cut where the image ends
}

TEST_F(Watermark, WithoutAFontTheTextIsSkipped) {
  ReleaseWatermarkFont();
  Bitmap marked = Marked();
  EXPECT_EQ(ChangedBox(marked).left, -1);
}

class PictureWatermark : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProgramState();
    WatermarkSettings& watermark = g_settings.Watermark;
    watermark.DoWatermark = 2;
    watermark.ImagePosition = 0;
    watermark.ImageXOffset = 5;
    watermark.ImageYOffset = 5;
    // 20 x 10: left half opaque red, right half fully transparent.
    Bitmap picture(FreeImage_Allocate(20, 10, 32));
    for (unsigned y = 0; y < 10; ++y)
      for (unsigned x = 0; x < 20; ++x) {
        RGBQUAD color{0, 0, 255, BYTE(x < 10 ? 255 : 0)};
        FreeImage_SetPixelColor(picture.get(), x, y, &color);
      }
    FreeImage_Save(FIF_PNG, picture.get(), path.c_str(), 0);
    watermark.Image = path;
  }
  Sandbox sandbox;
  const std::string path = sandbox.Path("mark.png");
};

TEST_F(PictureWatermark, AlphaIsKeptAndTheOpacityApplies) {
  Bitmap marked = WatermarkStep(SolidBitmap(60, 40, kWhite), 60, 40);
  EXPECT_EQ(At(marked, 5, 5), 0xFF0000u);
  EXPECT_EQ(At(marked, 14, 14), 0xFF0000u);
  EXPECT_EQ(At(marked, 20, 8), kWhite);  // the transparent half
  EXPECT_EQ(At(marked, 4, 4), kWhite);
  g_settings.Watermark.ImageOpacity = 128;
  const uint32_t half = At(WatermarkStep(SolidBitmap(60, 40, kWhite), 60, 40), 5, 5);
  EXPECT_NEAR(int((half >> 8) & 0xFF), 127, 2);
}

TEST_F(PictureWatermark, GreyUsesTheWeightedSum) {
  g_settings.Watermark.ImageGreyscale = 1;
  const uint32_t grey = At(WatermarkStep(SolidBitmap(60, 40, kWhite), 60, 40), 5, 5);
  const uint32_t expected = (77 * 255) >> 8;
  EXPECT_EQ(grey, expected << 16 | expected << 8 | expected);
}

TEST_F(PictureWatermark, AMissingPictureOnlyConvertsTo24Bits) {
  g_settings.Watermark.Image = sandbox.Path("missing.png");
  Bitmap grey(FreeImage_ConvertToGreyscale(SolidBitmap(30, 20, 0x404040).get()));
  Bitmap marked = WatermarkStep(std::move(grey), 30, 20);
  ASSERT_TRUE(marked);
  EXPECT_EQ(BitsPerPixel(marked), 24u);
  EXPECT_EQ(ChangedBox(marked).Width(), 30);  // all still the grey picture
  EXPECT_EQ(At(marked, 0, 0), 0x404040u);
  g_settings.Watermark.Image = sandbox.Path("text.png");
  WriteFile(g_settings.Watermark.Image, "not a picture");
  EXPECT_EQ(At(WatermarkStep(SolidBitmap(30, 20, kWhite), 30, 20), 10, 10), kWhite);
}

}  // namespace
