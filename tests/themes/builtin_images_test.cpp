#include "themes/builtin_images.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "app/settings.h"
#include "platform/files.h"
#include "themes/image_sets.h"
#include "themes/theme_packages.h"

namespace {

bool IsOpaque(const Picture& picture) {
  for (size_t i = 3; i < picture.rgba.size(); i += 4)
    if (picture.rgba[i] != 255) return false;
  return !picture.IsEmpty();
}

TEST(IconSlotTables, EveryNameHasASlotOfItsOwn) {
  FillIconSlotTables();
  const std::vector<std::string> buttons = {"Convert", "InFiles", "InFolder"};
  EXPECT_EQ(IconSlotTables.mainButtons.names, buttons);
  const std::vector<std::string> icons = {
      "New", "Add", "InFiles", "InFolder", "OutFolder", "OutFormat", "FavFolder", "ImportFiles",
      "ExportFiles", "Exit", "Copy", "Delete", "SelectAll", "Convert", "Error", "Preferences",
      "CustomConverter", "Help", "Email", "Web", "Updates", "About"};
  EXPECT_EQ(IconSlotTables.menuImages.names, icons);
  EXPECT_EQ(IconSlotTables.toolbarImages.names, icons);

  std::set<int> slots;
  for (const IconSlotTable* table :
       {&IconSlotTables.mainButtons, &IconSlotTables.menuImages, &IconSlotTables.toolbarImages})
    for (const std::string& name : table->names) {
      const int slot = FindIconSlot(*table, name);
      EXPECT_TRUE(slot >= 0 && slot < IconSlotCount()) << name;
      slots.insert(slot);
    }
  EXPECT_EQ(slots.size(), size_t(IconSlotCount()));
  EXPECT_EQ(FindIconSlot(IconSlotTables.menuImages, "Banner"), -1);
  EXPECT_FALSE(MenuIcons.Replace("Banner", Picture{}));
}

TEST(BuiltInImages, EverySlotHoldsAPictureOfItsSize) {
  FillIconSlotTables();
  ASSERT_TRUE(LoadBuiltInImages());
  EXPECT_EQ(ButtonImages.Find("Convert").width, 64);
  EXPECT_EQ(ButtonImages.Find("Convert").height, 64);
  for (const char* name : {"InFiles", "InFolder"}) {
    EXPECT_EQ(ButtonImages.Find(name).width, 16) << name;
    EXPECT_EQ(ButtonImages.Find(name).height, 16) << name;
  }
  std::set<std::vector<uint8_t>> distinct;
  for (const std::string& name : IconSlotTables.menuImages.names) {
    const Picture& icon = MenuIcons.Find(name);
    EXPECT_EQ(icon.width, 16) << name;
    EXPECT_EQ(icon.height, 16) << name;
    EXPECT_EQ(ToolbarIcons.Find(name), icon) << name;
    distinct.insert(icon.rgba);
  }
  EXPECT_EQ(distinct.size(), IconSlotTables.menuImages.names.size()) << "two commands share a picture";
  EXPECT_EQ(BannerImage.width, kBannerWidth);
  EXPECT_EQ(BannerImage.height, kBannerHeight);
  EXPECT_TRUE(IsOpaque(BannerImage));
}

// The package built beside the program, as the windowed start finds it.
class BundledThemeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = g_settings.Interface;
    FillIconSlotTables();
    ASSERT_TRUE(LoadBuiltInImages());
    SetThemeFolder(FolderPart(VELMORA_BINARY) + "gfx/");
  }
  void TearDown() override {
    SetThemeFolder("");
    ThemeList.clear();
    g_settings.Interface = saved_;
    LoadBuiltInImages();
  }

 private:
  InterfaceSettings saved_;
};

TEST_F(BundledThemeTest, HandDrawnHasEveryPictureAtEveryToolbarSize) {
  DiscoverThemes();
  EXPECT_EQ(ThemeList["handdrawn"], "Hand Drawn");
  g_settings.Interface.UiTheme = "handdrawn";
  // Compared with the built-in pictures, so that a picture the package
  // lacks shows even where the sizes agree.
  std::map<std::string, Picture> builtInIcons;
  for (const std::string& name : IconSlotTables.menuImages.names) builtInIcons[name] = MenuIcons.Find(name);
  const Picture builtInConvert = ButtonImages.Find("Convert");

  for (int uiSize = 0; uiSize <= 4; ++uiSize) {
    g_settings.Interface.UiSize = uiSize;
    ASSERT_TRUE(LoadThemeImages(true, true, true));
    const int pixels = ToolbarIconSize(uiSize);
    for (const std::string& name : IconSlotTables.menuImages.names) {
      const Picture& toolbar = ToolbarIcons.Find(name);
      EXPECT_EQ(toolbar.width, pixels) << name << " at UI Size " << uiSize;
      EXPECT_EQ(toolbar.height, pixels) << name << " at UI Size " << uiSize;
      EXPECT_NE(toolbar, builtInIcons[name]) << name << " at UI Size " << uiSize;
      const Picture& menu = MenuIcons.Find(name);
      EXPECT_EQ(menu.width, 16) << name;
      EXPECT_NE(menu, builtInIcons[name]) << name;
    }
    LoadBuiltInImages();
  }
  ASSERT_TRUE(LoadThemeImages(true, false, false));
  EXPECT_EQ(ButtonImages.Find("Convert").width, 64);
  EXPECT_NE(ButtonImages.Find("Convert"), builtInConvert);
  for (const char* name : {"InFiles", "InFolder"}) {
    EXPECT_EQ(ButtonImages.Find(name).width, 16) << name;
    EXPECT_NE(ButtonImages.Find(name), builtInIcons[name]) << name;
  }
}

}  // namespace
