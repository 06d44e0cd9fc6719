#include "cli/profile.h"

#include <gtest/gtest.h>

#include "app/job_state.h"
#include "app/settings.h"
#include "support/program_state.h"
#include "support/sandbox.h"

namespace {

class Profile : public ::testing::Test {
 protected:
  void SetUp() override { ResetProgramState(); }
  bool Load(const std::string& content) {
    WriteFile(sandbox.Path("p.ini"), content);
    return LoadProfile(sandbox.Path("p.ini"));
  }
  Sandbox sandbox;
};

TEST_F(Profile, KeysAreOptionNamesInAnyCase) {
  ASSERT_TRUE(Load("; my profile\r\n[cli]\r\n  --Jpg-Quality = 70 \r\n--GREYSCALE=0\r\n--dither=CLUSTER8\r\n"));
  EXPECT_EQ(g_settings.Output.JpgQuality, 70);
  EXPECT_EQ(g_settings.Adjustment.DoImageGreyscale, 1);  // flags store 1 whatever the value
  EXPECT_EQ(g_settings.Adjustment.DoImageDither, 1);
  EXPECT_EQ(g_settings.Adjustment.ImageDitherAlgorithm, 5);
}

TEST_F(Profile, OnlyTheCliSectionAndOnlySettingKeys) {
  ASSERT_TRUE(Load("[Other]\n--jpg-quality=10\n[CLI]\n--input=x.pcd\n--output=/o\n--debug=1\n--frame=5\n"));
  EXPECT_EQ(g_settings.Output.JpgQuality, 95);
  EXPECT_EQ(g_job.InputPath, "");
  EXPECT_FALSE(g_job.ConsoleInputGiven);
  EXPECT_EQ(g_job.OutputFolder, "");
  EXPECT_EQ(g_job.RunMarker, "");
}

TEST_F(Profile, FrameOpacityHasItsProfileSpelling) {
  ASSERT_TRUE(Load("[CLI]\n--FR-SOLID-OPACITY=100\n"));
  EXPECT_EQ(g_settings.Frame.SolidOpacity, 255);
  ASSERT_TRUE(Load("[CLI]\n--WM-SOLID-OPACITY=100\n"));
  EXPECT_EQ(g_settings.Frame.SolidOpacity, 100);
}

TEST_F(Profile, QuotesStayExceptInTheFilenameMask) {
  ASSERT_TRUE(Load("[CLI]\n--wm-text=\"Studio\"\n--filename-mask=\"%n%.%ext%\"\n"));
  EXPECT_EQ(g_settings.Watermark.Text, "\"Studio\"");
  EXPECT_EQ(g_settings.Watermark.DoWatermark, 1);
  EXPECT_EQ(g_settings.Advanced.FilenameMask, "%n%.%ext%");
}

TEST_F(Profile, ValuesAreNeverErrors) {
  ASSERT_TRUE(Load("[CLI]\n--width=\n--rotation=--5\n--wm-font=\n--jpg-quality=1\n--jpg-quality=2\n"));
  EXPECT_EQ(g_settings.Transform.ImageWidth, 0);
  EXPECT_EQ(g_settings.Transform.DoImageResize, 1);
  EXPECT_EQ(g_settings.Transform.ImageRotation, 0);
  EXPECT_EQ(g_settings.Watermark.Font, "");
  EXPECT_EQ(g_settings.Output.JpgQuality, 2);  // a repeated key is applied again
}

TEST_F(Profile, MissingFilesFailAndEmptyProfilesPass) {
  EXPECT_FALSE(LoadProfile(""));
  EXPECT_FALSE(LoadProfile(sandbox.Path("missing.ini")));
  EXPECT_FALSE(LoadProfile(sandbox.Root()));
  EXPECT_TRUE(Load(""));
  EXPECT_TRUE(Load("[General]\nx=1\n"));
  EXPECT_TRUE(Load("[CLI]\n"));
  EXPECT_EQ(g_settings.Output.JpgQuality, 95);
}

TEST_F(Profile, Latin1AndUtf8Files) {
  ASSERT_TRUE(Load("[CLI]\n--wm-text=Caf\xE9\n"));
  EXPECT_EQ(g_settings.Watermark.Text, "Caf\xC3\xA9");
  ASSERT_TRUE(Load("\xEF\xBB\xBF[CLI]\n--wm-text=Caf\xC3\xA9\n"));
  EXPECT_EQ(g_settings.Watermark.Text, "Caf\xC3\xA9");
}

}  // namespace
