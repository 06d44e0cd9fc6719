// Real PhotoCD decoding of the bundled sample: through ImageMagick, and
// through FreeImage's own reader when no decoder is installed. The sample's
// sky is at the top and its grass at the bottom, so a picture read upside
// down shows.
#include <gtest/gtest.h>

#include "platform/files.h"
#include "platform/process.h"
#include "support/images.h"
#include "support/sandbox.h"

namespace {

const std::string kSample = VELMORA_SOURCE_DIR "/samples/sample.pcd";

bool IsSky(const RGBQUAD& pixel) { return pixel.rgbBlue > 150 && pixel.rgbBlue > pixel.rgbGreen && pixel.rgbBlue > pixel.rgbRed + 40; }
bool IsGrass(const RGBQUAD& pixel) { return pixel.rgbGreen > 90 && pixel.rgbGreen > pixel.rgbRed + 30 && pixel.rgbGreen > pixel.rgbBlue + 30; }

void ExpectSampleTheRightWayUp(const std::string& jpeg) {
  Bitmap result = LoadImageFile(jpeg);
  ASSERT_TRUE(result) << jpeg;
  EXPECT_EQ(WidthOf(result), 768u);
  EXPECT_EQ(HeightOf(result), 512u);
  EXPECT_TRUE(IsSky(PixelFromTop(result.get(), 384, 150)));
  EXPECT_TRUE(IsGrass(PixelFromTop(result.get(), 100, 490)));
}

TEST(PhotoCdDecoding, ThroughImageMagick) {
  ASSERT_TRUE(ProgramOnPath("convert")) << "ImageMagick is part of the set-up";
  Sandbox sandbox;
  const ProgramRun run = sandbox.Run({"-i", kSample, "-o", sandbox.Work(), "-q"});
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  ExpectSampleTheRightWayUp(sandbox.Path("work/sample.jpg"));
}

TEST(PhotoCdDecoding, ThroughTheFallbackReader) {
  Sandbox sandbox;
  sandbox.HideSystemPrograms();
  const ProgramRun run = sandbox.Run({"-i", kSample, "-o", sandbox.Work(), "-q"});
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  ExpectSampleTheRightWayUp(sandbox.Path("work/sample.jpg"));
}

TEST(PhotoCdDecoding, TruncatedOrForeignFilesAreRefused) {
  Sandbox sandbox;
  sandbox.HideSystemPrograms();
  const std::string sample = ReadFile(kSample);
  const struct {
    const char* name;
    std::string content;
  } cases[] = {
      {"truncated.pcd", sample.substr(0, 400000)},
      {"zeros.pcd", std::string(sample.size(), '\0')},
      {"text.pcd", std::string(sample.size(), 'x')},
  };
  for (const auto& c : cases) {
    WriteFile(sandbox.Path(std::string("work/") + c.name), c.content);
    const ProgramRun run = sandbox.Run({"-i", c.name, "-q"});
    EXPECT_EQ(run.status, 2) << c.name;
    EXPECT_EQ(run.out, "Conversion stopped\n") << c.name;
  }
  EXPECT_FALSE(PathExists(sandbox.Path("work/truncated.jpg")));
  EXPECT_FALSE(PathExists(sandbox.Path("work/zeros.jpg")));
  EXPECT_FALSE(PathExists(sandbox.Path("work/text.jpg")));
}

}  // namespace
