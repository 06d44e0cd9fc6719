#include "cli/command_line.h"

#include <gtest/gtest.h>

#include "app/job_state.h"
#include "app/settings.h"
#include "support/sandbox.h"

namespace {

CommandLine Parse(const ArgumentList& arguments) {
  PrepareConsolePath();
  return ParseArguments(arguments);
}

TEST(CommandLine, WhatTheArgumentsSelect) {
  const struct {
    ArgumentList arguments;
    CommandAction action;
  } cases[] = {
      {{"--jpg-quality=80"}, CommandAction::Windowed},
      {{"stray", "words"}, CommandAction::Windowed},
      {{"-V"}, CommandAction::Version},
      {{"--version"}, CommandAction::Version},
      {{"-h"}, CommandAction::Help},
      {{"-?"}, CommandAction::Help},
      {{"--HELP=1"}, CommandAction::Help},
      {{"-i", "x.pcd", "-v"}, CommandAction::ConsoleRun},
      {{"-i", "x.pcd", "--help"}, CommandAction::ConsoleRun},
      {{"--input=x.pcd"}, CommandAction::ConsoleRun},
      {{"-i"}, CommandAction::ArgumentError},
      {{"--width=--5"}, CommandAction::ArgumentError},
  };
  for (const auto& c : cases) EXPECT_EQ(Parse(c.arguments).action, c.action) << c.arguments.front();
}

TEST(CommandLine, MissingValuesAreErrors) {
  const ArgumentList cases[] = {
      {"-i"},
      {"--input", "C:\\a.pcd"},
      {"-i", "-o"},
      {"-i", "x.pcd", "-o"},
      {"-i", "x.pcd", "-c", "-q"},
      {"-i", "x.pcd", "--width=--5"},
      {"-i", "x.pcd", "--width="},
      {"-i", "x.pcd", "--width"},
      {"-i", "x.pcd", "--profile"},
  };
  for (const auto& arguments : cases) {
    const CommandLine line = Parse(arguments);
    EXPECT_EQ(line.action, CommandAction::ArgumentError) << arguments.back();
    EXPECT_EQ(line.error, "Incorrect number of parameters") << arguments.back();
  }
}

TEST(CommandLine, TheFirstErrorStopsTheLoop) {
  const CommandLine line = Parse({"--jpg-quality=70", "--width=", "--jpg-quality=80"});
  EXPECT_EQ(line.action, CommandAction::ArgumentError);
  EXPECT_EQ(g_settings.Output.JpgQuality, 70);
}

TEST(CommandLine, ValuesReachTheSettings) {
  Parse({"-i", "x.pcd", "--brightness=-50", "--jpg-quality=$50", "--dither=bayer8", "--gamma=2.2",
         "--rotation-back-color=\"FF0000\"", "--no-subfolders", "--png-interlaced=0", "--wm-text=a",
         "--wm-image=b.png", "--fr-solid-top=5", "--fr-solid-opacity=100", "--wm-solid-opacity=7"});
  EXPECT_EQ(g_settings.Adjustment.ImageBrightness, -50);
  EXPECT_EQ(g_settings.Adjustment.DoImageColorCorrection, 1);
  EXPECT_EQ(g_settings.Output.JpgQuality, 80);
  EXPECT_EQ(g_settings.Adjustment.DoImageDither, 1);
  EXPECT_EQ(g_settings.Adjustment.ImageDitherAlgorithm, 2);
  EXPECT_FLOAT_EQ(g_settings.Adjustment.ImageGamma, 2.2f);
  EXPECT_EQ(g_settings.Transform.ImageRotationBackColor, "FF0000");
  EXPECT_EQ(g_settings.Advanced.KeepSubfolders, 0);
  EXPECT_EQ(g_settings.Output.PngInterlaced, 1);
  EXPECT_EQ(g_settings.Watermark.DoWatermark, 2);  // the later option wins...
  EXPECT_EQ(g_settings.Watermark.Text, "a");       // ...and both texts stay
  EXPECT_EQ(g_settings.Watermark.Image, "b.png");
  EXPECT_EQ(g_settings.Frame.DoFrame, 1);
  EXPECT_EQ(g_settings.Frame.SolidOpacity, 100);  // the profile spelling is no option here
}

TEST(CommandLine, SwitchesOnlyFromValueOptions) {
  Parse({"--keep-aspect-ratio"});
  EXPECT_EQ(g_settings.Transform.KeepAspectRatio, 1);
  EXPECT_EQ(g_settings.Transform.DoImageResize, 0);
  Parse({"--width=800"});
  EXPECT_EQ(g_settings.Transform.DoImageResize, 1);
  Parse({"--jpg-quality=abc", "--rotation=90", "--threshold=128", "--invert"});
  EXPECT_EQ(g_settings.Output.JpgQuality, 0);
  EXPECT_EQ(g_settings.Transform.DoImageRotation, 1);
  EXPECT_EQ(g_settings.Adjustment.DoImageThreshold, 1);
  EXPECT_EQ(g_settings.Adjustment.DoImageColorCorrection, 1);
  EXPECT_EQ(g_settings.Adjustment.ImageInvert, 1);
}

TEST(CommandLine, QuotedValuesAreJoined) {
  const CommandLine line = Parse({"-i", "\"My", "Photo", "Archive.pcd\"", "-q", "--wm-text=\"Hello", "World\"", "-p"});
  EXPECT_EQ(g_job.InputPath, "My Photo Archive.pcd");
  EXPECT_EQ(g_settings.Watermark.Text, "Hello World");
  EXPECT_TRUE(line.quiet);
  EXPECT_TRUE(line.pause);
  // The joined arguments are not read as options.
  Parse({"-i", "\"a", "-d", "b\""});
  EXPECT_EQ(g_job.InputPath, "a -d b");
  EXPECT_NE(g_job.RunMarker, "DEBUG");
  // Running out of arguments keeps what was joined; -c never joins.
  Parse({"-o", "\"unfinished", "folder"});
  EXPECT_EQ(g_job.OutputFolder, "unfinished folder");
  Parse({"-c", "\"jpg\""});
  EXPECT_EQ(g_job.OutputFormat, "jpg");
}

TEST(CommandLine, OptionsApplyInOrder) {
  Parse({"-i", "a.pcd", "-o", "first", "-o", "second", "-d", "-c", "jpg"});
  EXPECT_EQ(g_job.OutputFolder, "second");
  EXPECT_EQ(g_job.RunMarker, "DEBUG");
  EXPECT_EQ(g_job.OutputFormat, "jpg");
  EXPECT_TRUE(g_job.ConsoleInputGiven);
}

TEST(CommandLine, ProfileAppliesWhereItStands) {
  Sandbox sandbox;
  const std::string profile = sandbox.Path("p.ini");
  WriteFile(profile, "[CLI]\n--jpg-quality=70\n");
  Parse({"--jpg-quality=90", "--profile=" + profile});
  EXPECT_EQ(g_settings.Output.JpgQuality, 70);
  Parse({"--profile=" + profile, "--jpg-quality=90"});
  EXPECT_EQ(g_settings.Output.JpgQuality, 90);
  const CommandLine missing = Parse({"-i", "x.pcd", "--profile=" + sandbox.Path("none.ini")});
  EXPECT_EQ(missing.action, CommandAction::ArgumentError);
  EXPECT_EQ(missing.error, "Invalid profile file");
}

}  // namespace
