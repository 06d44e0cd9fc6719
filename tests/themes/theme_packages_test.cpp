#include "themes/theme_packages.h"

#include <gtest/gtest.h>

#include <map>
#include <tuple>
#include <string>
#include <vector>

#include "app/settings.h"
#include "platform/files.h"
#include "support/sandbox.h"
#include "support/theme_fixtures.h"
#include "themes/builtin_images.h"
#include "themes/image_sets.h"
#include "themes/png_decoder.h"

namespace {

constexpr uint32_t kRed = 0xFF0000FFu, kGreen = 0x00FF00FFu, kBlue = 0x0000FFFFu, kGrey = 0x808080FFu;

// The pictures of every slot, to tell what a load changed.
struct SlotSnapshot {
  std::map<std::string, Picture> buttons, menu, toolbar;
};

SlotSnapshot TakeSnapshot() {
  SlotSnapshot snapshot;
  for (const std::string& name : IconSlotTables.mainButtons.names) snapshot.buttons[name] = ButtonImages.Find(name);
  for (const std::string& name : IconSlotTables.menuImages.names) {
    snapshot.menu[name] = MenuIcons.Find(name);
    snapshot.toolbar[name] = ToolbarIcons.Find(name);
  }
  return snapshot;
}

// "menu New" and the like for every slot whose picture differs now.
std::vector<std::string> ChangedSince(const SlotSnapshot& before) {
  const SlotSnapshot now = TakeSnapshot();
  std::vector<std::string> changed;
  for (const auto& [set, was, is] : {std::tuple{"button", &before.buttons, &now.buttons},
                                     std::tuple{"menu", &before.menu, &now.menu},
                                     std::tuple{"toolbar", &before.toolbar, &now.toolbar}})
    for (const auto& [name, picture] : *was)
      if (is->at(name) != picture) changed.push_back(std::string(set) + " " + name);
  return changed;
}

using Changes = std::vector<std::string>;

std::string IconsConfig(const std::vector<std::string>& iconLines) {
  std::vector<std::string> lines = {"[Theme]", "Name=Test", "[Icons]"};
  lines.insert(lines.end(), iconLines.begin(), iconLines.end());
  return CrLfLines(lines);
}

class ThemePackagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    savedInterface_ = g_settings.Interface;
    FillIconSlotTables();
    ASSERT_TRUE(LoadBuiltInImages());
    builtIn = TakeSnapshot();
    ThemeList.clear();
    SetThemeFolder(folder);
    CreateFolder(folder);
    g_settings.Interface.UiSize = 2;
  }
  void TearDown() override {
    SetThemeFolder("");
    ThemeList.clear();
    g_settings.Interface = savedInterface_;
    LoadBuiltInImages();
  }

  void WritePackage(const std::string& id, const std::vector<ZipFileEntry>& entries) {
    ASSERT_TRUE(WriteZip(folder + id + ".zip", entries));
  }
  // Selects a package and loads all three sets from it.
  bool Apply(const std::string& id) {
    g_settings.Interface.UiTheme = id;
    return LoadThemeImages(true, true, true);
  }

  Sandbox sandbox;
  const std::string folder = sandbox.Path("gfx/");
  SlotSnapshot builtIn;

 private:
  InterfaceSettings savedInterface_;
};

TEST_F(ThemePackagesTest, NoFolderMeansNoThemesAndBuiltInPictures) {
  RemoveFolderTree(folder);
  DiscoverThemes();
  EXPECT_TRUE(ThemeList.empty());
  EXPECT_FALSE(Apply("handdrawn"));
  EXPECT_EQ(g_settings.Interface.UiTheme, "handdrawn");
  EXPECT_EQ(ChangedSince(builtIn), Changes{});
}

TEST_F(ThemePackagesTest, DiscoveryNamesEveryZipFile) {
  const std::string padding(300, ';');
  WritePackage("blue", {{"theme.cfg", CrLfLines({"[Theme]", "name = Blue Sky\t"})}});
  WritePackage("plain", {{"theme.cfg", CrLfLines({"[Icons]", "New=new"})}});
  WritePackage("nocfg", {{"new_16.png", MakePng(2, 2, kRed)}});
  WritePackage("late", {{"theme.cfg", CrLfLines({padding, "[Theme]", "Name=Late"})}});
  WritePackage("latin", {{"theme.cfg", CrLfLines({"[Theme]", "Name=Caf\xE9"})}});
  WritePackage("utf8", {{"theme.cfg", CrLfLines({"[Theme]", "Name=Caf\xC3\xA9"})}});
  WriteFile(folder + "broken.zip", "this is no archive");
  WriteFile(folder + "empty.zip", "");
  WriteFile(folder + "notes.txt", "not a package");
  WriteFile(folder + "UPPER.ZIP", "the id would not lead back to it");
  CreateFolder(folder + "folder.zip");

  DiscoverThemes();
  const std::map<std::string, std::string> expected = {
      {"blue", "Blue Sky"}, {"broken", "broken"}, {"empty", "empty"},
      {"late", ""},         {"latin", "Caf\xC3\xA9"}, {"nocfg", ""},  {"plain", ""},
      {"utf8", "Caf\xC3\xA9"}};
  EXPECT_EQ(ThemeList, expected);
}

TEST_F(ThemePackagesTest, PackageReplacesOnlyThePicturesItHas) {
  WritePackage("partial", {{"theme.cfg", CrLfLines({"[Buttons]", "Convert=big.png", "[Icons]", "New=new"})},
                           {"big.png", MakePng(5, 5, kGrey)},
                           {"new_16.png", MakePng(2, 2, kRed)},
                           {"new_32.png", MakePng(4, 4, kGreen)}});
  EXPECT_TRUE(Apply("partial"));
  EXPECT_EQ(FirstPixel(ButtonImages.Find("Convert")), kGrey);
  EXPECT_EQ(FirstPixel(MenuIcons.Find("New")), kRed);
  EXPECT_EQ(ToolbarIcons.Find("New").width, 4);
  EXPECT_EQ(FirstPixel(ToolbarIcons.Find("New")), kGreen);

  EXPECT_EQ(ChangedSince(builtIn), (Changes{"button Convert", "menu New", "toolbar New"}));
}

TEST_F(ThemePackagesTest, SetsAreLoadedOnlyWhenAsked) {
  WritePackage("p", {{"theme.cfg", CrLfLines({"[Icons]", "New=new"})},
                     {"new_16.png", MakePng(2, 2, kRed)},
                     {"new_48.png", MakePng(6, 6, kBlue)}});
  g_settings.Interface.UiTheme = "p";
  g_settings.Interface.UiSize = 3;
  EXPECT_TRUE(LoadThemeImages(false, false, true));
  EXPECT_EQ(ChangedSince(builtIn), Changes{"toolbar New"});
  EXPECT_EQ(FirstPixel(ToolbarIcons.Find("New")), kBlue);
}

TEST_F(ThemePackagesTest, SwitchingKeepsPicturesTheNewPackageLacks) {
  WritePackage("first", {{"theme.cfg", IconsConfig({"New=new", "Add=add"})},
                         {"new_16.png", MakePng(2, 2, kRed)},
                         {"add_16.png", MakePng(2, 2, kRed)}});
  WritePackage("second", {{"theme.cfg", IconsConfig({"Add=add"})}, {"add_16.png", MakePng(2, 2, kBlue)}});
  ASSERT_TRUE(Apply("first"));
  ASSERT_TRUE(Apply("second"));
  EXPECT_EQ(FirstPixel(MenuIcons.Find("New")), kRed);
  EXPECT_EQ(FirstPixel(MenuIcons.Find("Add")), kBlue);
}

TEST_F(ThemePackagesTest, MissingSelectionFallsBackToThePackageFoundLast) {
  WritePackage("beta", {{"theme.cfg", IconsConfig({"New=new"})}, {"new_16.png", MakePng(2, 2, kBlue)}});
  WritePackage("alpha", {{"theme.cfg", IconsConfig({"New=new"})}, {"new_16.png", MakePng(2, 2, kRed)}});
  DiscoverThemes();
  EXPECT_TRUE(Apply("gone"));
  EXPECT_EQ(g_settings.Interface.UiTheme, "beta");
  EXPECT_EQ(FirstPixel(MenuIcons.Find("New")), kBlue);
}

TEST_F(ThemePackagesTest, ValuesNameEntriesBySize) {
  WritePackage("p", {{"theme.cfg", IconsConfig({"New=new.PNG", "Add=add"})},
                     {"new.PNG", MakePng(3, 3, kGrey)},
                     {"add_16.png", MakePng(2, 2, kRed)},
                     {"add_64.png", MakePng(8, 8, kGreen)}});
  g_settings.Interface.UiSize = 4;
  EXPECT_TRUE(Apply("p"));
  EXPECT_EQ(FirstPixel(MenuIcons.Find("New")), kGrey);
  EXPECT_EQ(FirstPixel(ToolbarIcons.Find("New")), kGrey);
  EXPECT_EQ(FirstPixel(MenuIcons.Find("Add")), kRed);
  EXPECT_EQ(FirstPixel(ToolbarIcons.Find("Add")), kGreen);
}

TEST_F(ThemePackagesTest, PicturesLoadWhenTheNameLiesBeyondTheFirstBytes) {
  const std::string config = CrLfLines({std::string(300, ';'), "[Theme]", "Name=Late", "[Icons]", "New=new"});
  WritePackage("late", {{"theme.cfg", config}, {"new_16.png", MakePng(2, 2, kRed)}});
  DiscoverThemes();
  EXPECT_EQ(ThemeList["late"], "");
  EXPECT_TRUE(Apply("late"));
  EXPECT_EQ(FirstPixel(MenuIcons.Find("New")), kRed);
}

TEST_F(ThemePackagesTest, DamagedPackagesLeaveEverySlotAsItWas) {
  const std::string config = IconsConfig({"New=new", "Add=", "Exit=missing"});
  std::string truncatedZip;
  {
    const std::string whole = folder + "whole.zip";
    ASSERT_TRUE(WriteZip(whole, {{"theme.cfg", config}, {"new_16.png", MakePng(2, 2, kRed)}}));
    truncatedZip = ReadFile(whole).substr(0, 60);
  }
  std::string oversized = MakePng(2, 2, kRed);  // decodes fine, but the entry is beyond the bound
  oversized.resize((size_t(16) << 20) + 1, '\0');
  const std::string png = MakePng(2, 2, kRed);
  const struct {
    const char* what;
    bool isZip;
    std::string file;  // the bytes of the package unless it is a ZIP
    std::vector<ZipFileEntry> entries;
  } cases[] = {
      {"not a ZIP archive", false, "PK\x03\x04 garbage that only starts like an archive", {}},
      {"truncated ZIP archive", false, truncatedZip, {}},
      {"empty file", false, "", {}},
      {"ZIP archive without entries", true, "", {}},
      {"no theme.cfg", true, "", {{"new_16.png", png}}},
      {"corrupt PNG", true, "", {{"theme.cfg", config}, {"new_16.png", "\x89PNG\r\n\x1a\n broken"}}},
      {"truncated PNG", true, "", {{"theme.cfg", config}, {"new_16.png", png.substr(0, png.size() / 2)}}},
      {"PNG claiming 100000 x 100000", true, "",
       {{"theme.cfg", config}, {"new_16.png", PngClaimingSize(100000, 100000)}}},
      {"entry above the size bound", true, "", {{"theme.cfg", config}, {"new_16.png", oversized}}},
      {"empty entry", true, "", {{"theme.cfg", config}, {"new_16.png", ""}}},
  };
  for (const auto& c : cases) {
    const std::string path = folder + "bad.zip";
    if (c.isZip) ASSERT_TRUE(WriteZip(path, c.entries)) << c.what;
    else WriteFile(path, c.file);
    LoadBuiltInImages();
    Apply("bad");
    EXPECT_EQ(ChangedSince(builtIn), Changes{}) << c.what;
  }
}

TEST(PngDecoder, RefusesPicturesAboveTheBound) {
  Picture picture;
  EXPECT_FALSE(DecodePng(PngClaimingSize(100000, 100000), picture));
  EXPECT_FALSE(DecodePng(MakePng(kMaxPictureSide + 1, 1, kRed), picture));
  EXPECT_FALSE(DecodePng(MakePng(1, kMaxPictureSide + 1, kRed), picture));
  EXPECT_TRUE(picture.IsEmpty());
  EXPECT_TRUE(DecodePng(MakePng(kMaxPictureSide, 1, kRed), picture));
  EXPECT_EQ(picture.width, kMaxPictureSide);
}

TEST(ThemeNaming, EntryNamesAndToolbarSizes) {
  EXPECT_EQ(ThemePictureEntryName("new", 16), "new_16.png");
  EXPECT_EQ(ThemePictureEntryName("icons/new", 64), "icons/new_64.png");
  EXPECT_EQ(ThemePictureEntryName("new.PNG", 32), "new.PNG");
  EXPECT_EQ(ThemePictureEntryName("a.png.old", 32), "a.png.old");
  const std::map<int, int> sizes = {{0, 16}, {1, 24}, {2, 32}, {3, 48}, {4, 64}, {5, 16}, {9, 16}, {-1, 16}};
  for (const auto& [uiSize, pixels] : sizes) EXPECT_EQ(ToolbarIconSize(uiSize), pixels) << uiSize;
}

}  // namespace
