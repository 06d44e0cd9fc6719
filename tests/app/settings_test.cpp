#include "app/settings.h"

#include <gtest/gtest.h>

#include <set>

#include "app/product.h"
#include "app/setting_table.h"
#include "platform/clock.h"

namespace {
int g_desktopWidth = 0, g_desktopHeight = 0;
void FakeDesktop(int& width, int& height) {
  width = g_desktopWidth;
  height = g_desktopHeight;
}
}  // namespace

TEST(Settings, VariantsDifferOnlyInKeepAspectRatio) {
  ApplyDefaults(DefaultsVariant::Console);
  EXPECT_EQ(g_settings.Transform.KeepAspectRatio, 0);
  ApplyDefaults(DefaultsVariant::Windowed);
  EXPECT_EQ(g_settings.Transform.KeepAspectRatio, 1);
}

TEST(Settings, DefaultsOfEverySection) {
  SetFixedLocalDateForTesting(1234567890);
  ApplyDefaults(DefaultsVariant::Windowed);
  SetFixedLocalDateForTesting(0);
  const Settings& s = g_settings;
  EXPECT_EQ(s.General.Cfg, 19);
  EXPECT_EQ(s.General.Language, "en");
  EXPECT_EQ(s.General.UpdateRange, 2);
  EXPECT_EQ(s.General.UpdateDate, 1234567890);
  EXPECT_EQ(s.Advanced.CustomTimestamp, 1234567890);
  EXPECT_EQ(s.Window.Width, 510);
  EXPECT_EQ(s.Window.Height, 260);
  EXPECT_EQ(s.Interface.UiTheme, "handdrawn");
  EXPECT_EQ(s.Input.Format, "pcd");
  EXPECT_EQ(s.Input.RawToneMapping, 2);
  EXPECT_EQ(s.Output.Format, "jpg");
  EXPECT_EQ(s.Output.JpgQuality, 95);
  EXPECT_EQ(s.Output.WebpQuality, 100);
  EXPECT_EQ(s.Transform.ImageResizeAlgorithm, 3);
  EXPECT_EQ(s.Transform.ImageRotationBackColor, "000000");
  EXPECT_FLOAT_EQ(s.Adjustment.ImageGamma, 1.0f);
  EXPECT_EQ(s.Frame.SolidOpacity, 255);
  EXPECT_EQ(s.Watermark.Text, MakerNotice());
  EXPECT_EQ(s.Watermark.Fonts, "Arial,Tahoma,Verdana");
  EXPECT_EQ(s.Watermark.Font, "Arial");
  EXPECT_EQ(s.Watermark.FontSize, 14);
  EXPECT_EQ(s.Watermark.FontColors, "000000,FFFFFF,FF0000,FF8000,FFFF00,008000,00FFFF,0000FF,8000FF");
  EXPECT_EQ(s.Watermark.BackColors, s.Watermark.FontColors);
  EXPECT_EQ(s.Watermark.FontColor, "FFFFFF");
  EXPECT_EQ(s.Watermark.BackOpacity, 1);
  EXPECT_EQ(s.Watermark.TextPosition, 8);
  EXPECT_EQ(s.Watermark.ImagePosition, 8);
  EXPECT_EQ(s.Watermark.TextXOffset, 10);
  EXPECT_EQ(s.Watermark.ImageYOffset, 10);
  EXPECT_EQ(s.Watermark.TextScale, 10);
  EXPECT_EQ(s.Advanced.FilenameMask, "%filename%.%ext%");
  EXPECT_EQ(s.Advanced.OutFoldersNumber, 5);
  EXPECT_EQ(s.Advanced.OutFoldersHistory, 1);
  EXPECT_EQ(s.Advanced.KeepSubfolders, 1);
  EXPECT_EQ(s.General.SaveWindowPosition, 1);
}

TEST(Settings, WindowIsCentredWhenItFitsOnTheDesktop) {
  const struct {
    int width, height, x, y;
  } cases[] = {{400, 200, 100, 100}, {1920, 1080, 705, 410}, {510, 260, 100, 100}, {511, 261, 0, 0}, {0, 0, 100, 100}};
  SetDesktopSizeProvider(FakeDesktop);
  for (const auto& c : cases) {
    g_desktopWidth = c.width;
    g_desktopHeight = c.height;
    ApplyDefaults(DefaultsVariant::Windowed);
    EXPECT_EQ(g_settings.Window.X, c.x) << c.width;
    EXPECT_EQ(g_settings.Window.Y, c.y) << c.height;
  }
  SetDesktopSizeProvider(nullptr);
}

TEST(SettingTable, NamesAreUnique) {
  std::set<std::string> keys, options;
  for (const SettingDef& def : SettingTable()) {
    EXPECT_TRUE(keys.insert(std::string(def.section) + "/" + def.key).second) << def.key;
    if (def.option) {
      EXPECT_TRUE(options.insert(def.option).second) << def.option;
    }
    if (def.profileOption) {
      EXPECT_TRUE(options.insert(def.profileOption).second) << def.profileOption;
    }
  }
}

TEST(SettingTable, LookupIgnoresCase) {
  EXPECT_EQ(FindSetting("adjustment", "image gamma"), &SettingRow("Adjustment", "Image Gamma"));
  EXPECT_EQ(FindSetting("Adjustment", "Image Gama"), nullptr);
  EXPECT_EQ(FindSettingByOption("--JPG-QUALITY")->key, std::string("JPG Quality"));
  EXPECT_EQ(FindSettingByOption("--jpg-quality"), nullptr);  // callers upper-case first
  EXPECT_EQ(FindSettingByProfileKey("--WM-SOLID-OPACITY")->key, std::string("Solid Opacity"));
  EXPECT_EQ(FindSettingByProfileKey("--FR-SOLID-OPACITY"), nullptr);
  EXPECT_EQ(FindSettingByOption("--FR-SOLID-OPACITY")->key, std::string("Solid Opacity"));
}

TEST(SettingTable, StoredAndDebugForms) {
  ApplyDefaults(DefaultsVariant::Console);
  g_settings.Adjustment.ImageGamma = 2.2f;
  g_settings.Watermark.TextPosition = 200;
  g_settings.Transform.DoImageFlipVertical = 7;
  g_settings.Output.JpgChroma = 3;
  g_settings.Advanced.CustomTimestamp = 5000000000;
  const struct {
    const char* section;
    const char* key;
    const char* stored;
    const char* debug;
  } cases[] = {
      {"Adjustment", "Image Gamma", "2.200000", "2.20"},
      {"Watermark", "Text Position", "-56", ""},
      {"Transform", "Do Image Flip Vertical", "7", "1"},
      {"Output", "JPG Chroma", "3", "HIGH"},
      {"Output", "JPG Quality", "95", "95"},
      {"Frame", "Do Frame", "0", "NONE"},
      {"Watermark", "Font Color", "FFFFFF", "FFFFFF"},
      {"Advanced", "Custom Timestamp", "5000000000", "5000000000"},
  };
  for (const auto& c : cases) {
    const SettingDef& def = SettingRow(c.section, c.key);
    EXPECT_EQ(StoredValueText(def, g_settings), c.stored) << c.key;
    EXPECT_EQ(DebugValueText(def, g_settings), c.debug) << c.key;
  }
}

TEST(SettingTable, NumbersKeepTheWidthOfTheirField) {
  ApplyDefaults(DefaultsVariant::Console);
  SetSettingNumber(SettingRow("Watermark", "Text Position"), g_settings, 0x1203);
  EXPECT_EQ(g_settings.Watermark.TextPosition, 3);
  SetSettingNumber(SettingRow("Output", "JPG Quality"), g_settings, 0x100000005LL);
  EXPECT_EQ(g_settings.Output.JpgQuality, 5);
}
