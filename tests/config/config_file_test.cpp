#include "config/config_file.h"
#include "config/ini_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <filesystem>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "app/product.h"
#include "app/setting_table.h"
#include "app/settings.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "support/sandbox.h"

namespace {

constexpr int64_t kNow = 1700000000;
const std::string kBom = "\xEF\xBB\xBF";

void Desktop1920x1080(int& width, int& height) {
  width = 1920;
  height = 1080;
}

// The text of one section as written: its "[name]" line up to and with its
// closing "; " line; "" when the file has no such section.
std::string SectionText(const std::string& file, const std::string& name) {
  const size_t start = file.find("\r\n[" + name + "]\r\n");
  if (start == std::string::npos) return "";
  const size_t end = file.find("\r\n; \r\n", start + 2);
  return end == std::string::npos ? "" : file.substr(start + 2, end + 6 - (start + 2));
}

std::vector<std::string> FolderEntries(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.push_back(entry.path().filename());
  return names;
}

// Runs the function in a child process and returns its exit status, or -1.
int RunInChild(const std::function<int()>& body) {
  const pid_t pid = fork();
  if (pid == 0) _exit(body());
  int status = 0;
  if (pid < 0 || waitpid(pid, &status, 0) != pid) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

constexpr int kNoUnprivilegedUser = 77;
constexpr uid_t kNobody = 65534;

class ConfigFile : public ::testing::Test {
 protected:
  void SetUp() override {
    SetFixedLocalDateForTesting(kNow);
    g_settings.App.ConfigPath = Config();
  }
  void TearDown() override {
    SetFixedLocalDateForTesting(0);
    SetDesktopSizeProvider(nullptr);
    g_settings.App.ConfigPath.clear();
  }

  std::string Config() const { return sandbox_.Path("config/config.ini"); }
  void LoadFrom(const std::string& content) {
    WriteFile(Config(), content);
    LoadConfig();
  }
  std::string Saved() {
    SaveConfig();
    return ReadFile(Config());
  }
  // Windowed defaults, then the fields a test names, so that the written
  // file is the same on every machine.
  static void FixedDefaults() {
    ApplyDefaults(DefaultsVariant::Windowed);
    g_settings.Window.X = 100;
    g_settings.Window.Y = 100;
  }

  Sandbox sandbox_;
};

TEST_F(ConfigFile, WrittenLayoutOfDefaults) {
  FixedDefaults();
  g_settings.General.Cfg = 7;  // the file always says 19
  g_settings.General.SaveWindowPosition = 0;
  g_settings.Window.Width = 999;
  g_settings.Adjustment.ImageGamma = 2.2f;
  g_settings.Adjustment.ImageBrightness = -5;
  g_settings.Adjustment.ImageDitherAlgorithm = 200;  // a byte field, written signed
  g_settings.Output.PngCompression = 3;              // not a format of this product
  const std::string file = Saved();

  EXPECT_EQ(file.substr(0, file.find("[Transform]")),
            kBom +
                "\r\n"
                "[General]\r\nCFG = 19\r\nLanguage = en\r\nUpdate Range = 2\r\nUpdate Date = 1700000000\r\n"
                "Save Window Position = 0\r\n; \r\n"
                "[Window]\r\n; \r\n"
                "[Interface]\r\nUI Theme = handdrawn\r\nUI Size = 2\r\n; \r\n"
                "[Input]\r\nFormat = pcd\r\n; \r\n"
                "[Output]\r\nFormat = jpg\r\nJPG BPP = 0\r\nJPG Quality = 95\r\nJPG Chroma = 0\r\n"
                "JPG Save As = 0\r\n; \r\n");
  EXPECT_EQ(SectionText(file, "Adjustment"),
            "[Adjustment]\r\nDo Image Color Correction = 0\r\nImage Brightness = -5\r\nImage Contrast = 0\r\n"
            "Image Gamma = 2.200000\r\nImage Invert = 0\r\nDo Image Greyscale = 0\r\nDo Image Threshold = 0\r\n"
            "Image Threshold = 0\r\nDo Image Dither = 0\r\nImage Dither Algorithm = -56\r\n; \r\n");
  EXPECT_TRUE(file.ends_with("[File]\r\nRecent Out Folders = \r\nRecent Files = \r\n; \r\n"
                             "[Privacy]\r\nClean Recent Files = 0\r\n; \r\n"));
  EXPECT_EQ(file.find("PNG"), std::string::npos);

  // Sections in order, every line ended by CR LF, no blank line but the first.
  std::vector<std::string> sections;
  size_t lineFeeds = 0;
  for (size_t at = file.find('\n'); at != std::string::npos; at = file.find('\n', at + 1)) {
    ++lineFeeds;
    EXPECT_EQ(file[at - 1], '\r') << "at " << at;
    if (file.compare(at + 1, 1, "[") == 0) sections.push_back(file.substr(at + 2, file.find(']', at) - at - 2));
    EXPECT_NE(file.compare(at - 2, 3, "\n\r\n"), 0) << "blank line at " << at;
  }
  EXPECT_EQ(sections, (std::vector<std::string>{"General", "Window", "Interface", "Input", "Output", "Transform",
                                                "Adjustment", "Frame", "Watermark", "Advanced", "File",
                                                "Privacy"}));
  EXPECT_GT(lineFeeds, 100u);

  g_settings.General.SaveWindowPosition = 1;
  EXPECT_EQ(SectionText(Saved(), "Window"),
            "[Window]\r\nIsMaximized = 0\r\nWidth = 999\r\nHeight = 260\r\nX = 100\r\nY = 100\r\n; \r\n");
}

TEST_F(ConfigFile, EveryWrittenSettingComesBack) {
  FixedDefaults();
  const Settings defaults = g_settings;
  int row = 0;
  for (const SettingDef& def : SettingTable()) {
    ++row;
    if (def.type == SettingType::Real)
      SettingReal(def, g_settings) = 0.25f * float(row);
    else if (def.type == SettingType::Date)
      SetSettingNumber(def, g_settings, 5'000'000'000LL + row);
    else if (IsNumberSetting(def))
      SetSettingNumber(def, g_settings, row % 2 ? -row : 100 + row);
    else
      SettingString(def, g_settings) = "value " + std::to_string(row) + " caf\xC3\xA9";
  }
  g_settings.General.SaveWindowPosition = 1;
  const Settings written = g_settings;
  SaveConfig();
  g_settings = defaults;
  LoadConfig();

  const ProductFormatLists& formats = ProductFormats();
  for (const SettingDef& def : SettingTable()) {
    const std::vector<std::string>& list = std::string_view(def.section) == "Input" ? formats.input : formats.output;
    const bool isWritten = !def.formatKey || std::find(list.begin(), list.end(), def.formatKey) != list.end();
    const Settings& expected = &def == &SettingRow("General", "CFG") ? defaults : isWritten ? written : defaults;
    EXPECT_EQ(StoredValueText(def, g_settings), StoredValueText(def, expected))
        << "[" << def.section << "] " << def.key;
  }
}

TEST_F(ConfigFile, ReadingRules) {
  LoadFrom(kBom +
           "\r\n[adjustment]\r\n  image GAMMA=2.2\r\n"
           "[WATERMARK]\r\nText =  \t two words  \r\n"
           "[Output]\r\nJPG Quality = 12abc\r\nJPG BPP = 500\r\nPNG Compression = 3\r\n"
           "[Transform]\r\nImage Resize Algorithm = 300\r\nImage Width = 4294967297\r\n"
           "[Advanced]\r\nOut Folders Number = -1\r\n"
           "[Frame]\r\nSolid Opacity = -7\r\n"
           "[General]\r\nCFG = 19\r\nUpdate Date = 9999999999\r\n"
           "[Privacy]\r\nClean Recent Files = 256\r\n");
  EXPECT_FLOAT_EQ(g_settings.Adjustment.ImageGamma, 2.2f);
  EXPECT_EQ(g_settings.Watermark.Text, "two words");
  EXPECT_EQ(g_settings.Output.JpgQuality, 12);
  // Out of range: stored as read, bytes keep their low byte.
  EXPECT_EQ(g_settings.Output.JpgBpp, 500);
  EXPECT_EQ(g_settings.Transform.ImageResizeAlgorithm, 44);
  EXPECT_EQ(g_settings.Transform.ImageWidth, 1);
  EXPECT_EQ(g_settings.Advanced.OutFoldersNumber, 255);
  EXPECT_EQ(g_settings.Frame.SolidOpacity, -7);
  EXPECT_EQ(g_settings.General.UpdateDate, 9999999999);
  EXPECT_EQ(g_settings.Privacy.CleanRecentFiles, 0);
  // Read although this product never writes it.
  EXPECT_EQ(g_settings.Output.PngCompression, 3);

  const std::string file = Saved();
  EXPECT_NE(file.find("Image Gamma = 2.200000\r\n"), std::string::npos);
  EXPECT_NE(file.find("Text = two words\r\n"), std::string::npos);
  EXPECT_NE(file.find("Image Resize Algorithm = 44\r\n"), std::string::npos);
  EXPECT_NE(file.find("Out Folders Number = -1\r\n"), std::string::npos);
  EXPECT_EQ(file.find("PNG Compression"), std::string::npos);
  LoadConfig();
  EXPECT_FLOAT_EQ(g_settings.Adjustment.ImageGamma, 2.2f);
  EXPECT_EQ(g_settings.Advanced.OutFoldersNumber, 255);
  EXPECT_EQ(g_settings.Output.PngCompression, 0);
}

TEST_F(ConfigFile, TextEncodingFollowsTheByteOrderMark) {
  LoadFrom("[Watermark]\r\nText = caf\xE9\r\n");  // ISO 8859-1
  EXPECT_EQ(g_settings.Watermark.Text, "caf\xC3\xA9");
  LoadFrom(kBom + "\r\n[Watermark]\r\nText = caf\xC3\xA9\r\n");
  EXPECT_EQ(g_settings.Watermark.Text, "caf\xC3\xA9");
  EXPECT_NE(Saved().find("Text = caf\xC3\xA9\r\n"), std::string::npos);
}

TEST_F(ConfigFile, SpecialGammaValuesSurviveASave) {
  for (const char* word : {"+Infinity", "-Infinity", "NaN"}) {
    LoadFrom(kBom + "\r\n[General]\r\nCFG = 19\r\n[Adjustment]\r\nImage Gamma = " + word + "\r\n");
    const float read = g_settings.Adjustment.ImageGamma;
    ASSERT_FALSE(std::isfinite(read)) << word;
    EXPECT_NE(Saved().find(std::string("Image Gamma = ") + word + "\r\n"), std::string::npos) << word;
    LoadConfig();
    EXPECT_EQ(std::isnan(g_settings.Adjustment.ImageGamma), std::isnan(read)) << word;
    if (!std::isnan(read)) {
      EXPECT_EQ(g_settings.Adjustment.ImageGamma, read) << word;
    }
  }
}

TEST_F(ConfigFile, MissingFileGivesWindowedDefaultsAndEmptyFileTheReadingDefaults) {
  SetDesktopSizeProvider(Desktop1920x1080);
  g_settings.Output.JpgQuality = 1;
  LoadConfig();  // no file yet
  EXPECT_EQ(g_settings.General.Cfg, 19);
  EXPECT_EQ(g_settings.Window.X, 705);
  EXPECT_EQ(g_settings.Window.Y, 410);
  EXPECT_EQ(g_settings.Output.JpgQuality, 95);
  EXPECT_EQ(g_settings.Transform.KeepAspectRatio, 1);
  EXPECT_EQ(g_settings.Advanced.FilenameMask, "%filename%.%ext%");

  LoadFrom("");
  EXPECT_EQ(g_settings.General.Cfg, 0);
  EXPECT_EQ(g_settings.Window.X, 100);
  EXPECT_EQ(g_settings.Window.Y, 100);
  EXPECT_EQ(g_settings.Window.Width, 510);
  EXPECT_EQ(g_settings.Window.Height, 260);
  EXPECT_EQ(g_settings.General.UpdateDate, kNow);
  EXPECT_EQ(g_settings.Advanced.CustomTimestamp, kNow);
  EXPECT_EQ(g_settings.Input.Format, "pcd");
  EXPECT_EQ(g_settings.Output.Format, "jpg");
  EXPECT_EQ(g_settings.Transform.KeepAspectRatio, 1);
  EXPECT_EQ(g_settings.Advanced.FilenameMask, "%filename%.%ext%");  // already holds %ext%
  EXPECT_EQ(g_settings.Input.RawLoadAs, 0);

  // A folder where the file should be cannot be opened: defaults again.
  ASSERT_TRUE(DeleteFile(Config()) && CreateFolder(Config()));
  LoadConfig();
  EXPECT_EQ(g_settings.General.Cfg, 19);
  EXPECT_EQ(g_settings.Window.X, 705);
}

TEST_F(ConfigFile, WindowPositionNotSavedOpensAt100) {
  FixedDefaults();
  g_settings.General.SaveWindowPosition = 0;
  g_settings.Window = {1, 800, 600, 5, 6};
  SaveConfig();
  LoadConfig();
  EXPECT_EQ(g_settings.Window.IsMaximized, 0);
  EXPECT_EQ(g_settings.Window.X, 100);
  EXPECT_EQ(g_settings.Window.Y, 100);
  EXPECT_EQ(g_settings.Window.Width, 510);
  EXPECT_EQ(g_settings.Window.Height, 260);
}

TEST_F(ConfigFile, MigrationsByVersion) {
  const struct {
    const char* cfgLine;
    const char* mask;
    const char* rawLoadAs;
    const char* expectedMask;
    int32_t expectedRawLoadAs;
  } cases[] = {
      {"CFG = 10", "%filename%", "1", "%filename%.%ext%", 3},
      {"CFG = 10", "%EXT%", "0", "%EXT%.%ext%", 0},  // the test is for "%ext%" in exact case
      {"CFG = 10", "a%ext%b", "5", "a%ext%b", 7},
      {"CFG = 11", "%filename%", "1", "%filename%", 3},
      {"CFG = 13", "%filename%", "1", "%filename%", 3},
      {"CFG = 14", "%filename%", "1", "%filename%", 1},
      {"", "%filename%", "1", "%filename%.%ext%", 3},  // no version: the oldest
  };
  for (const auto& c : cases) {
    LoadFrom(kBom + "\r\n[General]\r\n" + c.cfgLine + "\r\n[Advanced]\r\nFilename Mask = " + c.mask +
             "\r\n[Input]\r\nRAW Load As = " + c.rawLoadAs + "\r\n");
    EXPECT_EQ(g_settings.Advanced.FilenameMask, c.expectedMask) << c.cfgLine << " " << c.mask;
    EXPECT_EQ(g_settings.Input.RawLoadAs, c.expectedRawLoadAs) << c.cfgLine << " " << c.rawLoadAs;
  }
  // The file takes the new values and the new version at the next save, so
  // a second start does not migrate again.
  LoadFrom(kBom + "\r\n[General]\r\nCFG = 10\r\n[Advanced]\r\nFilename Mask = %filename%\r\n");
  SaveConfig();
  LoadConfig();
  EXPECT_EQ(g_settings.General.Cfg, 19);
  EXPECT_EQ(g_settings.Advanced.FilenameMask, "%filename%.%ext%");
}

TEST_F(ConfigFile, OldColorModelKeys) {
  const struct {
    int cfg;
    const char* psdModel;
    const char* tiffModel;
    int32_t expectedPsd, expectedTiff;
  } cases[] = {
      {18, "2", "1", 2, 1},
      {18, "0", "0", 1, 2},  // 0 leaves the new keys as read
      {19, "2", "1", 1, 2},  // current files are not migrated
  };
  for (const auto& c : cases) {
    LoadFrom(kBom + "\r\n[General]\r\nCFG = " + std::to_string(c.cfg) +
             "\r\n[Input]\r\nPSD Color Mode = 1\r\npsd color model = " + c.psdModel +
             "\r\n[Output]\r\nTIFF Color Mode = 2\r\nTIFF Color Model = " + c.tiffModel + "\r\n");
    EXPECT_EQ(g_settings.Input.PsdColorMode, c.expectedPsd) << c.cfg << " " << c.psdModel;
    EXPECT_EQ(g_settings.Output.TiffColorMode, c.expectedTiff) << c.cfg << " " << c.tiffModel;
  }
  const std::string file = Saved();
  EXPECT_EQ(file.find("Color Model"), std::string::npos);
  EXPECT_NE(file.find("CFG = 19\r\n"), std::string::npos);
}

TEST_F(ConfigFile, LineBreaksInAValueCannotAddKeys) {
  FixedDefaults();
  g_settings.File.RecentOutFolders = "/tmp/a\n[Privacy]\r\nClean Recent Files = 1\t/tmp/b";
  SaveConfig();
  LoadConfig();
  EXPECT_EQ(g_settings.Privacy.CleanRecentFiles, 0);
  EXPECT_EQ(g_settings.File.RecentOutFolders, "/tmp/a[Privacy]Clean Recent Files = 1\t/tmp/b");
}

TEST_F(ConfigFile, SavingReplacesTheFileALinkPointsTo) {
  const std::string real = sandbox_.Path("home/real.ini");
  WriteFile(real, "old");
  chmod(real.c_str(), 0600);
  ASSERT_EQ(symlink("../home/real.ini", Config().c_str()), 0);
  FixedDefaults();
  SaveConfig();
  EXPECT_TRUE(std::filesystem::is_symlink(Config()));
  EXPECT_TRUE(ReadFile(real).starts_with(kBom + "\r\n[General]\r\n"));
  struct stat info {};
  ASSERT_EQ(stat(real.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0600u);  // the user's permissions stay
  EXPECT_EQ(FolderEntries(sandbox_.Path("home")), std::vector<std::string>{"real.ini"});
  EXPECT_EQ(FolderEntries(sandbox_.Path("config")), std::vector<std::string>{"config.ini"});

  // A link whose file does not exist yet: the file is created there.
  ASSERT_TRUE(DeleteFile(real));
  SaveConfig();
  EXPECT_TRUE(std::filesystem::is_symlink(Config()));
  EXPECT_TRUE(ReadFile(real).starts_with(kBom));
}

TEST_F(ConfigFile, UnwritableFolderOrFileKeepsTheOldFile) {
  // Root writes anywhere, so the save runs in a child as an ordinary user.
  const struct {
    const char* name;
    mode_t folderMode, fileMode;
    bool saved;
  } cases[] = {
      {"writable", 0777, 0666, true},
      {"read-only folder", 0555, 0666, false},
      {"read-only file", 0777, 0444, false},
  };
  ASSERT_EQ(chmod(sandbox_.Root().c_str(), 0755), 0);
  FixedDefaults();
  for (const auto& c : cases) {
    const std::string folder = sandbox_.Path("config");
    chmod(folder.c_str(), 0777);
    WriteFile(Config(), "old");
    ASSERT_EQ(chmod(Config().c_str(), c.fileMode), 0);
    ASSERT_EQ(chmod(folder.c_str(), c.folderMode), 0);
    const int status = RunInChild([] {
      if (geteuid() == 0 && (setgid(kNobody) != 0 || setuid(kNobody) != 0)) return kNoUnprivilegedUser;
      SaveConfig();
      return 0;
    });
    chmod(folder.c_str(), 0777);
    if (status == kNoUnprivilegedUser) GTEST_SKIP() << "no unprivileged user to run as";
    ASSERT_EQ(status, 0) << c.name;
    EXPECT_EQ(ReadFile(Config()).starts_with(kBom), c.saved) << c.name;
    if (!c.saved) {
      EXPECT_EQ(ReadFile(Config()), "old") << c.name;
    }
    EXPECT_EQ(FolderEntries(folder), std::vector<std::string>{"config.ini"}) << c.name;
  }
}

TEST_F(ConfigFile, FailedWriteKeepsTheOldFile) {
  WriteFile(Config(), "old");
  FixedDefaults();
  // A file size limit makes the writes fail part way, as a full disk would.
  const int status = RunInChild([] {
    signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{1000, 1000};
    if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return 1;
    SaveConfig();
    return 0;
  });
  ASSERT_EQ(status, 0);
  EXPECT_EQ(ReadFile(Config()), "old");
  EXPECT_EQ(FolderEntries(sandbox_.Path("config")), std::vector<std::string>{"config.ini"});
  EXPECT_GT(Saved().size(), 1000u);  // what the limit cut short
}

TEST_F(ConfigFile, NoPathGivesTheWindowedDefaults) {
  g_settings.App.ConfigPath.clear();
  SetDesktopSizeProvider(Desktop1920x1080);
  g_settings.Output.JpgQuality = 1;
  LoadConfig();
  EXPECT_EQ(g_settings.Window.X, 705);
  EXPECT_EQ(g_settings.General.Cfg, 19);
  EXPECT_EQ(g_settings.Output.JpgQuality, 95);
}

}  // namespace

TEST(ConfigJunk, BinaryJunkReadsAsDefaultsAndSavesCleanly) {
  Sandbox sandbox;
  g_settings.App.ConfigPath = sandbox.Path("config.ini");
  std::string junk;
  std::mt19937 random(42);
  for (int i = 0; i < 20000; ++i) junk += char(random() % 256);
  junk += "\n[Output]\nJPG Quality = 77\n";
  WriteFile(g_settings.App.ConfigPath, junk);
  LoadConfig();
  EXPECT_EQ(g_settings.Output.JpgQuality, 77);
  EXPECT_EQ(g_settings.Watermark.Font, "Arial");
  SaveConfig();
  IniFile saved;
  ASSERT_TRUE(saved.Load(g_settings.App.ConfigPath));
  EXPECT_EQ(saved.Value("Output", "JPG Quality"), "77");
  EXPECT_EQ(saved.Value("General", "CFG"), "19");
  g_settings.App.ConfigPath.clear();
}
