#include "engine/naming.h"

#include <gtest/gtest.h>

#include <ctime>
#include <regex>

#include "app/job_state.h"
#include "app/settings.h"
#include "support/program_state.h"

namespace {

class Naming : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProgramState();
    g_job.CurrentInput = "/photos/IMG0001.PCD";
    g_job.OutputFormat = "jpg";
    g_job.OutputFolder = "/out/";
    g_job.ResultWidth = 1024;
    g_job.ResultHeight = 683;
    g_job.OutputBitDepth = 24;
    g_job.RandomNumber = 42;
    g_job.Counter = 1;
  }
  std::string NameFor(const std::string& mask) {
    g_settings.Advanced.FilenameMask = mask;
    return BuildFileName();
  }
};

TEST_F(Naming, MasksExpandTheirVariables) {
  const struct {
    const char* mask;
    const char* name;
  } cases[] = {
      {"", "IMG0001.jpg"},
      {"%filename%.%ext%", "IMG0001.jpg"},
      {"%filename%_%width%x%height%.%ext%", "IMG0001_1024x683.jpg"},
      {"%FILENAME[U]%.%EXT[U]%", "IMG0001.JPG"},
      {"%filename[l]%.%ext[t]%", "img0001.Jpg"},
      {"Photo_%n%", "photo_00001"},
      {"%rnd%-%bpp%", "00042-24"},
      {"out.jpg", "out.jpg"},
      {"%unknown%.%ext%", "%unknown%.jpg"},
      {"sub/%filename%.%ext%", "sub/IMG0001.jpg"},
  };
  for (const auto& c : cases) EXPECT_EQ(NameFor(c.mask), c.name) << c.mask;
}

TEST_F(Naming, TitleCaseAndInputWithoutExtension) {
  g_job.CurrentInput = "/x/mY pHoto.pcd";
  EXPECT_EQ(NameFor("%filename[t]%"), "My photo");
  g_job.CurrentInput = "/x/archive.v2.pcd";
  EXPECT_EQ(NameFor("%filename%"), "archive.v2");
  g_job.CurrentInput = "/x/noextension";
  EXPECT_EQ(NameFor("%filename%.%ext%"), "noextension.jpg");
}

TEST_F(Naming, FiveCharacterNumbers) {
  g_job.Counter = 123456;
  g_job.RandomNumber = 99999;
  EXPECT_EQ(NameFor("%n% %rnd%"), "12345 99999");
}

TEST_F(Naming, DateVariablesReadTheLocalClock) {
  const std::string name = NameFor("%yyyy%-%mm%-%dd% %hh%:%ii%:%ss%");
  ASSERT_TRUE(std::regex_match(name, std::regex(R"(\d{4}-\d\d-\d\d \d\d:\d\d:\d\d)"))) << name;
  const time_t now = time(nullptr);
  struct tm local {};
  localtime_r(&now, &local);
  EXPECT_EQ(std::stoi(name.substr(0, 4)), local.tm_year + 1900);
}

TEST_F(Naming, OutputPathKeepsSubfoldersOnlyWhenAsked) {
  g_job.CurrentSubfolder = "day1/";
  EXPECT_EQ(BuildOutputPath(), "/out/day1/IMG0001.jpg");
  g_settings.Advanced.KeepSubfolders = 0;
  EXPECT_EQ(BuildOutputPath(), "/out/IMG0001.jpg");
}

TEST_F(Naming, WatermarkTextKeepsItsCase) {
  const struct {
    const char* text;
    const char* expanded;
  } cases[] = {
      {"100%", "100%"},
      {"%FileName% Studio", "IMG0001 Studio"},
      {"Size %WIDTH%x%height%", "Size 1024x683"},
      {"50% off %n%", "50% off 00001"},
      {"%eol% stays %eol%", "%eol% stays %eol%"},
  };
  for (const auto& c : cases) {
    g_settings.Watermark.Text = c.text;
    EXPECT_EQ(ExpandWatermarkText(), c.expanded) << c.text;
  }
  g_settings.Watermark.Text = "%yyyy% Studio";
  EXPECT_TRUE(std::regex_match(ExpandWatermarkText(), std::regex(R"(\d{4} Studio)")));
}

TEST_F(Naming, ExpandVariableOnlyKnowsTheNamingVariables) {
  EXPECT_EQ(ExpandVariable("a %EXT% b", "%ext%"), "a jpg b");
  EXPECT_EQ(ExpandVariable("a %eol% b", "%eol%"), "a %eol% b");
}

}  // namespace
