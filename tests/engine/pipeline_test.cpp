#include "engine/pipeline.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "app/job_state.h"
#include "app/settings.h"
#include "engine/save_parameters.h"
#include "platform/files.h"
#include "support/images.h"
#include "support/conversion_test.h"

namespace {

class Pipeline : public ConversionTest {
 protected:
  void SetUp() override {
    ConversionTest::SetUp();
    logEnv.emplace("FAKE_CONVERT_LOG", log);
  }
  std::vector<int> DecoderIndices() const {
    std::vector<int> indices;
    for (const auto& call : ReadDecoderLog(log)) {
      const std::string& source = call.at(3);
      indices.push_back(std::stoi(source.substr(source.rfind('[') + 1)));
    }
    return indices;
  }
  std::string Output() const { return sandbox.Path("out/photo.jpg"); }
  std::vector<std::string> FilesIn(const std::string& folder) const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
    return names;
  }

  const std::string log = sandbox.Path("decoder.log");
  std::optional<ScopedEnv> logEnv;
};

TEST_F(Pipeline, FallingIndexStopsAtTheFirstDecodedFile) {
  Plan("3=768x512");
  ASSERT_TRUE(ConvertFile());
  EXPECT_EQ(DecoderIndices(), (std::vector<int>{6, 5, 4, 3}));
  const auto calls = ReadDecoderLog(log);
  EXPECT_EQ(calls[0], (std::vector<std::string>{"-quiet", "-colorspace", "sRGB", input + "[6]",
                                                sandbox.Path("work/photo.tga")}));
  EXPECT_EQ(g_job.OutputPath, Output());
  Bitmap result = LoadImageFile(Output());
  ASSERT_TRUE(result);
  EXPECT_EQ(WidthOf(result), 768u);
  EXPECT_EQ(HeightOf(result), 512u);
  EXPECT_TRUE(IsReddish(PixelFromTop(result.get(), 10, 10)));  // the right way up
  EXPECT_TRUE(IsBluish(PixelFromTop(result.get(), 10, 500)));
  EXPECT_EQ(g_job.SourceBitDepth, 24);
  EXPECT_FALSE(PathExists(sandbox.Path("work/photo.tga")));
  EXPECT_EQ(FilesIn(sandbox.Path("out")), (std::vector<std::string>{"photo.jpg"}));
}

TEST_F(Pipeline, LongStripsAreDecodedAgain) {
  const struct {
    const char* plan;
    std::vector<int> indices;
    unsigned width, height;
  } cases[] = {
      {"6=4096x2048 5=200x100", {6, 5}, 200, 100},
      {"6=2048x1024 4=300x100", {6, 4}, 300, 100},
      {"6=512x1024 3=100x300", {6, 3}, 100, 300},
      {"6=3072x2048", {6}, 3072, 2048},
      {"6=3000x1000", {6}, 3000, 1000},
  };
  for (const auto& c : cases) {
    DeleteFile(log);
    Plan(c.plan);
    ASSERT_TRUE(ConvertFile()) << c.plan;
    EXPECT_EQ(DecoderIndices(), c.indices) << c.plan;
    Bitmap result = LoadImageFile(Output());
    EXPECT_EQ(WidthOf(result), c.width) << c.plan;
    EXPECT_EQ(HeightOf(result), c.height) << c.plan;
  }
}

TEST_F(Pipeline, AStaleIntermediateIsNeverLoaded) {
  WriteTwoToneTga(sandbox.Path("work/photo.tga"), 10, 10);
  Plan("6=20x20");
  ASSERT_TRUE(ConvertFile());
  EXPECT_EQ(WidthOf(LoadImageFile(Output())), 20u);
}

TEST_F(Pipeline, AnEmptyIntermediateFallsBackToThePhotoCdReader) {
  std::filesystem::copy_file(VELMORA_SOURCE_DIR "/samples/sample.pcd", input,
                             std::filesystem::copy_options::overwrite_existing);
  Plan("6=empty");
  ASSERT_TRUE(ConvertFile());
  EXPECT_EQ(DecoderIndices(), (std::vector<int>{6}));
  EXPECT_EQ(WidthOf(LoadImageFile(Output())), 768u);
  EXPECT_FALSE(PathExists(sandbox.Path("work/photo.tga")));
}

TEST_F(Pipeline, NothingReadableMeansNoOutput) {
  Plan("*=none");
  EXPECT_FALSE(ConvertFile());
  EXPECT_EQ(DecoderIndices(), (std::vector<int>{6, 5, 4, 3, 2, 1, 0}));
  EXPECT_TRUE(FilesIn(sandbox.Path("out")).empty());
  DeleteFile(log);
  Plan("6=garbage");
  EXPECT_FALSE(ConvertFile());
  EXPECT_TRUE(FilesIn(sandbox.Path("out")).empty());
}

TEST_F(Pipeline, AHugeClaimedPictureIsRefusedBeforeItsPixelsAreAllocated) {
  // A TGA header that claims 50 000 x 50 000 pixels (7.5 GB) over a few bytes.
  std::string header(18, '\0');
  header[2] = 2;
  header[12] = char(50000 & 0xFF), header[13] = char(50000 >> 8);
  header[14] = char(50000 & 0xFF), header[15] = char(50000 >> 8);
  header[16] = 24, header[17] = 0x20;
  WriteFile(sandbox.Path("huge.tga"), header + std::string(1000, '\0'));
  Plan("6=copy:" + sandbox.Path("huge.tga"));
  EXPECT_FALSE(ConvertFile());
  EXPECT_TRUE(FilesIn(sandbox.Path("out")).empty());
}

TEST_F(Pipeline, AFailedSaveKeepsTheExistingFileAndLeavesNothingBehind) {
  Plan("6=64x32");
  WriteFile(Output(), "the user's earlier file");
  g_settings.Output.JpgBpp = 16;  // a depth the JPEG writer refuses
  PrepareSaveParameters();
  EXPECT_FALSE(ConvertFile());
  EXPECT_EQ(ReadFile(Output()), "the user's earlier file");
  EXPECT_EQ(FilesIn(sandbox.Path("out")), (std::vector<std::string>{"photo.jpg"}));
  EXPECT_FALSE(PathExists(sandbox.Path("work/photo.tga")));
}

TEST_F(Pipeline, AMissingOutputFolderFailsCleanly) {
  Plan("6=64x32");
  g_job.OutputFolder = sandbox.Path("missing/");
  EXPECT_FALSE(ConvertFile());
  EXPECT_FALSE(PathExists(sandbox.Path("work/photo.tga")));
}

TEST_F(Pipeline, AFolderInTheWayIsNotReplaced) {
  Plan("6=64x32");
  CreateFolder(Output());
  WriteFile(Output() + "/keep", "x");
  EXPECT_FALSE(ConvertFile());
  EXPECT_EQ(ReadFile(Output() + "/keep"), "x");
  EXPECT_EQ(FilesIn(sandbox.Path("out")), (std::vector<std::string>{"photo.jpg"}));
}

TEST_F(Pipeline, TheInputIsNeverOverwritten) {
  Plan("6=64x32");
  g_job.OutputFolder = sandbox.Root();
  g_settings.Advanced.FilenameMask = "%filename%.pcd";
  EXPECT_FALSE(ConvertFile());
  EXPECT_EQ(ReadFile(input), "not really a PhotoCD file");
}

TEST_F(Pipeline, ReplacesAnEarlierOutput) {
  Plan("6=64x32");
  WriteFile(Output(), "old");
  ASSERT_TRUE(ConvertFile());
  EXPECT_EQ(WidthOf(LoadImageFile(Output())), 64u);
}

TEST(ReloadIndex, OnlyLongStripsOfTheKnownHeights) {
  const struct {
    unsigned width, height;
    int index;
  } cases[] = {{4096, 2048, 5}, {2048, 4096, 5}, {2048, 1024, 4}, {1024, 512, 3}, {3072, 2048, 0},
               {3277, 2048, 5}, {3276, 2048, 0}, {1000, 512, 3},  {512, 512, 0},  {0, 0, 0}};
  for (const auto& c : cases) EXPECT_EQ(ReloadIndex(c.width, c.height), c.index) << c.width << "x" << c.height;
}

}  // namespace
