// The console run as a user meets it: the real program, in a sandbox, with
// the fake decoder first on PATH.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "platform/files.h"
#include "support/images.h"
#include "support/sandbox.h"

namespace {

const std::vector<std::string> kBanner = {"Tarnwick PCD to JPG 2.9", "Copyright (c) Tarnwick Software",
                                          "https://www.tarnwick.example/velmora/", " "};

class ConsoleRun : public ::testing::Test {
 protected:
  void SetUp() override {
    sandbox.InstallFakeDecoder();
    sandbox.SetEnv("FAKE_CONVERT_PLAN", "6=300x200");
    sandbox.SetEnv("FAKE_CONVERT_LOG", sandbox.Path("decoder.log"));
    CreateFolder(sandbox.Path("out"));
    WriteFile(input, "x");
  }
  ProgramRun Convert(std::vector<std::string> options) {
    std::vector<std::string> arguments = {"-i", input, "-o", sandbox.Path("out")};
    arguments.insert(arguments.end(), options.begin(), options.end());
    return sandbox.Run(arguments);
  }

  Sandbox sandbox;
  std::string input = sandbox.Path("work/photo.pcd");
};

TEST_F(ConsoleRun, ADebugRunPrintsEveryLineInOrder) {
  const ProgramRun run = Convert({"--width=800", "--height=800", "--keep-aspect-ratio", "--greyscale", "-d"});
  ASSERT_EQ(run.status, 0) << run.out << run.err;
  std::vector<std::string> expected = kBanner;
  expected.insert(expected.end(), {
      "Preparing...",
      "Input: " + input,
      "Output: " + sandbox.Path("out"),
      "Conversion: jpg",
      "JPG BPP: 0",
      "JPG Quality: 95",
      "JPG Chroma Subsampling: NONE",
      "JPG Save As: STANDARD",
      "Width: 800 PIXELS",
      "Height: 800 PIXELS",
      "Keep Aspect Ratio: 1",
      "Image Resize Type: ALLIMAGES",
      "Image Resize Algorithm: BICUBIC",
      "Flip Horizontal: 0",
      "Flip Vertical: 0",
      "Greyscale: 1",
      "Frame: NONE",
      "Watermark: NONE",
      "Filename Mask: %filename%.%ext%",
      "File Timestamp: CURRENT",
      "Keep Subfolders: 1",
      "Importing...",
      "Import complete, new files added: 1",
      "Converting...",
      "Processing: " + input,
      "File Format: [ERROR] UNRECOGNIZED",
      "[OK] Saving As: " + sandbox.Path("out/photo.jpg"),
      "Conversion complete",
      "Files converted: 1 of 1",
  });
  EXPECT_EQ(run.OutLines(), expected);
  Bitmap result = LoadImageFile(sandbox.Path("out/photo.jpg"));
  EXPECT_EQ(WidthOf(result), 800u);
  EXPECT_EQ(HeightOf(result), 533u);
  EXPECT_EQ(run.err, "");
}

TEST_F(ConsoleRun, DebugLinesOfEveryOptionalStep) {
  const ProgramRun run = Convert({"-d", "-q", "--rotation=90", "--rotation-type=advanced",
                                  "--rotation-back-color=FF0000", "--brightness=-10", "--contrast=5",
                                  "--gamma=2.2", "--invert", "--threshold=128", "--dither=cluster16",
                                  "--fr-solid-left=3", "--fr-solid-top-color=00FF00", "--wm-image=" + input,
                                  "--wm-image-position=topleft", "--wm-image-x-offset=4",
                                  "--file-timestamp=custom", "--file-timestamp-custom=1000000000",
                                  "--no-subfolders"});
  ASSERT_EQ(run.status, 0) << run.out;
  const std::vector<std::string> expected = {
      "Input: " + input,
      "Output: " + sandbox.Path("out"),
      "Conversion: jpg",
      "JPG BPP: 0",
      "JPG Quality: 95",
      "JPG Chroma Subsampling: NONE",
      "JPG Save As: STANDARD",
      "Image Rotation Type: ADVANCED",
      "Image Rotation: 90",
      "Image Rotation Back Color: FF0000",
      "Flip Horizontal: 0",
      "Flip Vertical: 0",
      "Brightness: -10",
      "Contrast: 5",
      "Gamma: 2.20",
      "Invert: 1",
      "Greyscale: 0",
      "Image Threshold: 128",
      "Image Dithering Algorithm: CLUSTER16",
      "Frame: SOLID",
      "Frame left: 3",
      "Frame right: 0",
      "Frame top: 0",
      "Frame bottom: 0",
      "Frame left color: 000000",
      "Frame right color: 000000",
      "Frame top color: 00FF00",
      "Frame bottom color: 000000",
      "Frame opacity: 255",
      "Watermark: IMAGE",
      "Watermark image: " + input,
      "Watermark greyscale: 0",
      "Watermark opacity: 255",
      "Watermark boundary: IMAGE",
      "Watermark position: TOPLEFT",
      "Watermark offset (x/y): 4/10",
      "Watermark rotation: 0",
      "Watermark size/mode: FIXED",
      "Filename Mask: %filename%.%ext%",
      "File Timestamp: CUSTOM",
      "Custom Timestamp: 1000000000",
      "Keep Subfolders: 0",
      "Processing: " + input,
      "File Format: [ERROR] UNRECOGNIZED",
      "[OK] Saving As: " + sandbox.Path("out/photo.jpg"),
  };
  EXPECT_EQ(run.OutLines(), expected);
}

TEST_F(ConsoleRun, DebugLinesOfATextWatermark) {
  const ProgramRun run =
      Convert({"-d", "-q", "--wm-text=%n% Studio", "--wm-font-style=bolditalic", "--wm-font-effect=strikethrought",
               "--wm-text-alignment=center", "--wm-text-boundary=frame", "--wm-text-position=topcenter",
               "--wm-text-y-offset=3", "--wm-text-rotation=45", "--wm-font-color=00FF00"});
  ASSERT_EQ(run.status, 0) << run.out;
  const std::vector<std::string> lines = run.OutLines();
  const auto first = std::find(lines.begin(), lines.end(), "Watermark: TEXT");
  ASSERT_NE(first, lines.end());
  const std::vector<std::string> expected = {
      "Watermark: TEXT",
      "Watermark text: %n% Studio",
      "Watermark font: Arial",
      "Watermark font size: 14",
      "Watermark font leading: 0",
      "Watermark font color: 00FF00",
      "Watermark font style: BOLDITALIC",
      "Watermark font effect: STRIKETHROUGHT",
      "Watermark text antialiasing: 0",
      "Watermark text alignment: CENTER",
      "Watermark text padding: 0",
      "Watermark text opacity: 255",
      "Watermark background color: 000000",
      "Watermark background opacity: 1",
      "Watermark boundary: FRAME",
      "Watermark position: TOPCENTER",
      "Watermark offset (x/y): 10/3",
      "Watermark rotation: 45",
      "Watermark size/mode: FIXED",
      "Filename Mask: %filename%.%ext%",
  };
  EXPECT_EQ(std::vector<std::string>(first, first + long(expected.size())), expected);
}

TEST_F(ConsoleRun, EachCheckStopsWithItsMessage) {
  CreateFolder(sandbox.Path("out/..existing"));
  WriteFile(sandbox.Path("work/empty.pcd"), "");
  const struct {
    std::vector<std::string> arguments;
    const char* message;
  } cases[] = {
      {{"-i", sandbox.Path("work/missing.pcd")}, "Error: Invalid input file"},
      {{"-i", sandbox.Path("work/empty.pcd")}, "Error: Invalid input file"},
      {{"-i", sandbox.Path("work/")}, "Error: Invalid input file"},
      {{"-i", sandbox.Path("out")}, "Error: Invalid input file"},
      {{"-i", input, "-o", "../out"}, "Error: Incorrect output folder"},
      {{"-i", input, "-o", "..existing"}, "Error: Incorrect output folder"},
      {{"-i", input, "-o", sandbox.Path("nowhere")}, "Error: Invalid output folder"},
      {{"-i", input, "-o", input}, "Error: Invalid output folder"},
      {{"-i", input, "-c", "png"}, "Error: Invalid conversion type"},
      {{"-i", input, "-c", "JPG"}, "Error: Invalid conversion type"},
      {{"-i", input, "--jpg-bpp=16"}, "Error: Invalid jpg-bpp value"},
      {{"-i", input, "--jpg-quality=0"}, "Error: Invalid jpg-quality value"},
      {{"-i", input, "--jpg-quality=101"}, "Error: Invalid jpg-quality value"},
      {{"-i", input, "--width=0"}, "Error: Invalid width value"},
      {{"-i", input, "--width=5"}, "Error: Invalid height value"},
      {{"-i", input, "--brightness=101"}, "Error: Invalid brightness value"},
      {{"-i", input, "--contrast=-101"}, "Error: Invalid contrast value"},
      {{"-i", input, "--gamma=0.009"}, "Error: Invalid gamma value"},
      {{"-i", input, "--gamma=10"}, "Error: Invalid gamma value"},
      {{"-i", input, "--gamma=nan"}, "Error: Invalid gamma value"},
      {{"-i", input, "--wm-image=" + sandbox.Path("work/none.png")}, "Error: Invalid watermark image"},
      {{"-i", input, "--wm-image=" + sandbox.Path("work/empty.pcd")}, "Error: Invalid watermark image"},
      {{"-i", input, "--wm-text=x", "--wm-font=Velmora Imaginary Face"}, "Error: Invalid watermark font"},
      {{"-i", input, "--wm-text=x", "--wm-font-size=0"}, "Error: Invalid watermark font"},
      {{"-i"}, "Error: Incorrect number of parameters"},
      {{"-i", input, "--profile=" + sandbox.Path("none.ini")}, "Error: Invalid profile file"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> arguments = c.arguments;
    arguments.push_back("-q");
    const ProgramRun run = sandbox.Run(arguments);
    EXPECT_EQ(run.status, 1) << c.message;
    EXPECT_EQ(run.OutLines(), std::vector<std::string>{c.message}) << c.message;
  }
  EXPECT_FALSE(PathExists(sandbox.Path("decoder.log")));  // nothing was converted
}

TEST_F(ConsoleRun, FramesAndTextWatermarksReachTheJpeg) {
  const ProgramRun run = Convert({"-q", "--fr-solid-left=20", "--fr-solid-left-color=0000FF", "--wm-text=%n%",
                                  "--wm-font=Arial", "--wm-back-opacity=255", "--wm-text-position=middlecenter"});
  ASSERT_EQ(run.status, 0) << run.out;
  Bitmap result = LoadImageFile(sandbox.Path("out/photo.jpg"));
  ASSERT_TRUE(result);
  EXPECT_TRUE(IsBluish(PixelFromTop(result.get(), 5, 20)));
  EXPECT_TRUE(IsReddish(PixelFromTop(result.get(), 150, 20)));
  const RGBQUAD centre = PixelFromTop(result.get(), 150, 100);
  EXPECT_LT(centre.rgbRed + centre.rgbGreen + centre.rgbBlue, 600);  // the black box or the white digits
  EXPECT_FALSE(IsReddish(centre) || IsBluish(centre));
}

TEST_F(ConsoleRun, BoundaryValuesPassTheChecks) {
  const std::vector<std::string> cases[] = {
      {"--gamma=0.01"}, {"--gamma=9.99"}, {"--width=-5", "--height=-5"}, {"--brightness=-100", "--contrast=100"},
      {"--jpg-bpp=8"},  {"--jpg-bpp=24"}, {"--jpg-quality=1"}, {"-c", "jpg"},
  };
  for (const auto& options : cases) {
    std::vector<std::string> arguments = options;
    arguments.push_back("-q");
    const ProgramRun run = Convert(arguments);
    EXPECT_EQ(run.status, 0) << options.front() << run.out;
    EXPECT_EQ(run.out, "") << options.front();
  }
}

TEST_F(ConsoleRun, NothingConvertedEndsWithConversionStopped) {
  sandbox.SetEnv("FAKE_CONVERT_PLAN", "*=none");
  ProgramRun run = Convert({"-q"});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.OutLines(), std::vector<std::string>{"Conversion stopped"});

  WriteFile(sandbox.Path("work/photo.jpg"), "x");
  run = sandbox.Run({"-i", sandbox.Path("work/photo.jpg"), "-q"});
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.OutLines(), (std::vector<std::string>{
                                "Conversion stopped",
                                "No input file(s) found. Please, add valid file(s) and try again!"}));
}

TEST_F(ConsoleRun, StatusLinesWithoutDebug) {
  const ProgramRun run = Convert({});
  ASSERT_EQ(run.status, 0);
  std::vector<std::string> expected = kBanner;
  expected.insert(expected.end(), {"Preparing...", "Importing...", "Import complete, new files added: 1",
                                   "Converting...", "Conversion complete", "Files converted: 1 of 1"});
  EXPECT_EQ(run.OutLines(), expected);
}

TEST_F(ConsoleRun, WithoutAnOutputFolderTheJpegGoesNextToTheInput) {
  const ProgramRun run = sandbox.Run({"-i", "photo.pcd", "-q"});
  ASSERT_EQ(run.status, 0) << run.out;
  EXPECT_TRUE(PathExists(sandbox.Path("work/photo.jpg")));
}

TEST_F(ConsoleRun, ARelativeOutputFolderIsInsideTheProgramFolder) {
  // A copy of the program, so its folder is one the test owns.
  CreateFolder(sandbox.Path("program"));
  std::filesystem::copy_file(VELMORA_BINARY, sandbox.Path("program/velmora"));
  CreateFolder(sandbox.Path("program/converted"));
  CreateFolder(sandbox.Path("work/converted"));
  for (const char* folder : {"converted", "./converted"}) {
    const ProgramRun run = sandbox.RunProgram(sandbox.Path("program/velmora"), {"-i", input, "-o", folder, "-q"});
    ASSERT_EQ(run.status, 0) << folder << run.out;
    EXPECT_TRUE(PathExists(sandbox.Path("program/converted/photo.jpg"))) << folder;
    EXPECT_FALSE(PathExists(sandbox.Path("work/converted/photo.jpg"))) << folder;
    DeleteFile(sandbox.Path("program/converted/photo.jpg"));
  }
}

TEST_F(ConsoleRun, TheIntermediateFileStaysOutOfTheWorkingFolder) {
  WriteFile(sandbox.Path("work/photo.tga"), "the user's own file");
  ASSERT_EQ(Convert({"-q"}).status, 0);
  EXPECT_EQ(ReadFile(sandbox.Path("work/photo.tga")), "the user's own file");
  const auto calls = ReadDecoderLog(sandbox.Path("decoder.log"));
  ASSERT_EQ(calls.size(), 1u);
  const std::string intermediate = calls[0].back();
  EXPECT_NE(FolderPart(intermediate), sandbox.Work());
  EXPECT_EQ(FilePart(intermediate), "photo.tga");
  EXPECT_FALSE(PathExists(FolderPart(intermediate)));  // the run's folder is gone
}

TEST_F(ConsoleRun, TheDecoderGetsAnAbsoluteInputPath) {
  WriteFile(sandbox.Path("work/-weird name.pcd"), "x");
  ASSERT_EQ(sandbox.Run({"-i", "-weird name.pcd", "-o", sandbox.Path("out"), "-q"}).status, 1);  // "-..." is no value
  ASSERT_EQ(sandbox.Run({"--input=./-weird name.pcd", "-o", sandbox.Path("out"), "-q"}).status, 0);
  const auto calls = ReadDecoderLog(sandbox.Path("decoder.log"));
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0][3], sandbox.Path("work/./-weird name.pcd[6]"));
}

TEST_F(ConsoleRun, PauseWaitsForAKeyAfterItsPrompt) {
  ProgramRun run = sandbox.Run({"-q", "-p", "-i", input, "-o", sandbox.Path("out")}, "k");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.OutLines(), std::vector<std::string>{"Press any key to exit."});
  run = sandbox.Run({"-p", "-i"});
  EXPECT_EQ(run.OutLines(), std::vector<std::string>{"Error: Incorrect number of parameters"});
}

TEST(CommandLineRun, VersionAndHelp) {
  Sandbox sandbox;
  ProgramRun run = sandbox.Run({"-V"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "2.9\n");
  run = sandbox.Run({"-q", "-v"});  // not first: ignored, and no -i means the windowed start
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "velmora: no display for the window; for a console conversion use -i (see velmora --help)\n");
  EXPECT_EQ(run.status, 1);
  run = sandbox.Run({"--HELP=1"});
  EXPECT_EQ(run.status, 0);
  const std::vector<std::string> help = run.OutLines();
  ASSERT_EQ(help.size(), 36u);
  EXPECT_EQ(help[1], "Usage: velmora -i <filename> [options]");
  EXPECT_EQ(help[6], "  velmora -i c:\\tmp\\example.pcd -o d:\\converted --jpg-quality=95");
  EXPECT_EQ(help[13], "  -c STR, --conversion=STR  Set output extension, STR = (jpg | bmp | ...)");
  EXPECT_EQ(help[28], "    ...                     Refer documentation for all available options");
  EXPECT_EQ(help[35], "  -v, --version             Display version information and exit");
  for (size_t i : {0, 2, 7, 9, 14, 16, 29, 31}) EXPECT_EQ(help[i], " ") << i;
}

}  // namespace
