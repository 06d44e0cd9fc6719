#include "i18n/text_table.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/text_util.h"
#include "i18n/builtin_texts.h"

namespace {

const std::string kMissing = "%NO_STRING_ERROR%";

class TextTableTest : public ::testing::Test {
 protected:
  void SetUp() override { LoadLanguage(); }
};

// ---- Lookup behaviour ----

TEST_F(TextTableTest, SameKeyInTwoGroupsKeepsTwoTextsAndCaseDoesNotMatter) {
  EXPECT_EQ(GetText("preferences", "Check For Updates"), "Check for Updates:");
  EXPECT_EQ(GetText("Msg", "Check for Updates"), "Check for Updates");
  EXPECT_EQ(GetText("PREFERENCES", "check for updates"), "Check for Updates:");
  EXPECT_EQ(GetText("mSg", "CHECK FOR UPDATES"), "Check for Updates");
  EXPECT_EQ(GetText("Menu", "Convert"), "Convert");
  EXPECT_EQ(GetText("Menu", "Preferences"), "Preferences...");
  EXPECT_EQ(GetText("Preferences", "Title"), "Preferences...");
  EXPECT_EQ(GetText("About", "Title"), "About...");
  EXPECT_EQ(GetText("Custom-Converter", "Title"), "Find a File Converter");
  EXPECT_EQ(GetText("Uninstall", "Title"), "Uninstall");
}

TEST_F(TextTableTest, PrefixOrExtensionOfAKeyDoesNotMatch) {
  EXPECT_EQ(GetText("Menu", "Open"), "Open...");
  EXPECT_EQ(GetText("Menu", "Ope"), kMissing);
  EXPECT_EQ(GetText("Menu", "Opens"), kMissing);
  EXPECT_EQ(GetText("Menu", "O"), kMissing);
  // "Select Input File" is a prefix of "Select Input Files": both match exactly.
  EXPECT_EQ(GetText("Menu", "Select Input File"), "Add Input File...");
  EXPECT_EQ(GetText("Menu", "Select Input Files"), "Add Input Files...");
  EXPECT_EQ(GetText("Menu", "Select Input Filess"), kMissing);
  EXPECT_EQ(GetText("Menu", "Select Input Fil"), kMissing);
  EXPECT_EQ(GetText("Preferences", "Csv"), "CSV");
  EXPECT_EQ(GetText("Preferences", "Csv Export"), "Export to CSV");
  EXPECT_EQ(GetText("Preferences", "Csv Delimiter"), "CSV Delimiter:");
  EXPECT_EQ(GetText("Preferences", "Cs"), kMissing);
  EXPECT_EQ(GetText("Preferences", "Txt"), "TXT");
  EXPECT_EQ(GetText("Preferences", "Txt Export"), "Export to TXT");
  EXPECT_EQ(GetText("Preferences", "RGB"), "RGB");
  EXPECT_EQ(GetText("Preferences", "RGB4"), kMissing);
  EXPECT_EQ(GetText("Preferences", "RGB48"), "RGB 48-bit");
  EXPECT_EQ(GetText("Preferences", "RGB48HS"), "RGB 48-bit (HS)");
  EXPECT_EQ(GetText("Preferences", "RGB48H"), kMissing);
  // Trailing or leading spaces are part of the key.
  EXPECT_EQ(GetText("Menu", "Open "), kMissing);
  EXPECT_EQ(GetText("Menu", " Open"), kMissing);
}

TEST_F(TextTableTest, UnknownGroupEmptyKeyAndUnusedFirstCharacter) {
  EXPECT_EQ(GetText("Nonexistent", "Open"), kMissing);
  EXPECT_EQ(GetText("", "Open"), kMissing);
  EXPECT_EQ(GetText("Men", "Open"), kMissing);
  EXPECT_EQ(GetText("Menus", "Open"), kMissing);
  EXPECT_EQ(GetText("Menu", ""), kMissing);
  EXPECT_EQ(GetText("", ""), kMissing);
  // No key of "Menu" begins with Z, Q or a digit; none of "About" with A.
  EXPECT_EQ(GetText("Menu", "Zoom"), kMissing);
  EXPECT_EQ(GetText("Menu", "Quit"), kMissing);
  EXPECT_EQ(GetText("Menu", "1"), kMissing);
  EXPECT_EQ(GetText("About", "About"), kMissing);
  // Separator and the reserved words are not keys.
  EXPECT_EQ(GetText("Menu", "_GROUP_"), kMissing);
  EXPECT_EQ(GetText("Menu", "_END_"), kMissing);
  EXPECT_EQ(GetText("Menu", std::string("Open\x01") + "Open..."), kMissing);
  // Non-ASCII first character.
  EXPECT_EQ(GetText("Menu", "\xc3\x96" "ffnen"), kMissing);
  // A key past the last key of its first character, and past the group's end.
  EXPECT_EQ(GetText("Menu", "Visit Homepagez"), kMissing);
  EXPECT_EQ(GetText("Uninstall", "Uninstall Textz"), kMissing);
  EXPECT_EQ(GetText("Uninstall", "Uninstall Text"), "Full Uninstall - Visit Uninstall Center");
}

TEST_F(TextTableTest, AlternatingGroupsGiveTheSameTextsAsRepeatedLookups) {
  const std::vector<std::pair<std::string, std::string>> lookups = {
      {"Menu", "Help"},        {"Dialog", "Help"},    {"Menu", "Help"},
      {"Dialog", "Help"},      {"General", "Convert"}, {"Menu", "Convert"},
      {"Msg", "Error"},        {"Nowhere", "Error"},  {"Msg", "Error"},
      {"About", "Title"},      {"Uninstall", "Title"}, {"About", "Title"},
      {"Preferences", "Title"}, {"Custom-Converter", "Title"}, {"Preferences", "Title"},
  };
  std::vector<std::string> alternating;
  for (const auto& [group, key] : lookups) alternating.push_back(GetText(group, key));
  for (size_t i = 0; i < lookups.size(); ++i) {
    const auto& [group, key] = lookups[i];
    // Repeated lookups in one group (the cache then holds that group).
    const std::string first = GetText(group, key);
    const std::string second = GetText(group, key);
    EXPECT_EQ(first, second) << group << "/" << key;
    EXPECT_EQ(alternating[i], first) << group << "/" << key;
  }
  EXPECT_EQ(GetText("Menu", "Help"), "Help");
  EXPECT_EQ(GetText("Dialog", "Help"), "Help");
  EXPECT_EQ(GetText("Msg", "Error"), "Error");
  // A failed group lookup clears the cache; the next known group is found again.
  EXPECT_EQ(GetText("Nowhere", "Open"), kMissing);
  EXPECT_EQ(GetText("Menu", "Open"), "Open...");
  EXPECT_EQ(GetText("Nowhere", "Open"), kMissing);
  EXPECT_EQ(GetText("Dialog", "Open"), kMissing);
}

TEST_F(TextTableTest, PlaceholdersAreReturnedInPlace) {
  EXPECT_EQ(GetText("Msg", "Files converted"), "Files converted: %s1% of %s2%");
  EXPECT_EQ(GetText("Msg", "Progress"), "(%s1%/%s2%)");
  EXPECT_EQ(GetText("Dialog", "Time Remaining"), "Time Remaining: %s1%");
}

TEST_F(TextTableTest, LoadLanguageTwiceGivesTheSameTable) {
  LoadLanguage();
  EXPECT_EQ(GetText("Menu", "Open"), "Open...");
  EXPECT_EQ(TextGroupEntryCount("Preferences"), 223);
}

// ---- Content of the built-in list ----

TEST(BuiltinTextsTest, ListShapeAndGroupOrder) {
  const auto list = BuiltinTexts();
  ASSERT_FALSE(list.empty());
  EXPECT_STREQ(list.front().key, "_GROUP_");
  EXPECT_STREQ(list.back().key, "_END_");
  EXPECT_STREQ(list.back().text, "");
  std::vector<std::string> groups;
  for (const BuiltinText& pair : list)
    if (std::string(pair.key) == "_GROUP_") groups.push_back(pair.text);
  const std::vector<std::string> expected = {"Menu",        "General", "Msg",
                                             "Dialog",      "Preferences", "About",
                                             "Custom-Converter", "Uninstall"};
  EXPECT_EQ(groups, expected);
  EXPECT_EQ(list.size(), 8u + 331u + 1u);
}

TEST(BuiltinTextsTest, NoDuplicateKeysExceptMediumInPreferences) {
  std::string group;
  std::set<std::string> seen;
  for (const BuiltinText& pair : BuiltinTexts()) {
    const std::string key = pair.key;
    if (key == "_GROUP_") {
      group = pair.text;
      seen.clear();
      continue;
    }
    if (key == "_END_") break;
    ASSERT_FALSE(key.empty());
    EXPECT_LT(static_cast<unsigned char>(key[0]), 128u) << key;
    const bool inserted = seen.insert(AsciiUpper(key)).second;
    if (!inserted) {
      EXPECT_EQ(group, "Preferences") << key;
      EXPECT_EQ(key, "Medium");
    }
  }
}

TEST_F(TextTableTest, GroupEntryCounts) {
  EXPECT_EQ(TextGroupEntryCount("Menu"), 28);
  EXPECT_EQ(TextGroupEntryCount("General"), 10);
  EXPECT_EQ(TextGroupEntryCount("Msg"), 41);
  EXPECT_EQ(TextGroupEntryCount("Dialog"), 18);
  EXPECT_EQ(TextGroupEntryCount("Preferences"), 223);
  EXPECT_EQ(TextGroupEntryCount("preferences"), 223);
  EXPECT_EQ(TextGroupEntryCount("About"), 4);
  EXPECT_EQ(TextGroupEntryCount("Custom-Converter"), 4);
  EXPECT_EQ(TextGroupEntryCount("Uninstall"), 3);
  EXPECT_EQ(TextGroupEntryCount("Nonexistent"), -1);
}

TEST_F(TextTableTest, EveryBuiltinEntryIsFound) {
  std::string group;
  for (const BuiltinText& pair : BuiltinTexts()) {
    const std::string key = pair.key;
    if (key == "_GROUP_") {
      group = pair.text;
      continue;
    }
    if (key == "_END_") break;
    EXPECT_EQ(GetText(group, key), pair.text) << group << "/" << key;
    EXPECT_EQ(GetText(AsciiLower(group), AsciiLower(key)), pair.text) << group << "/" << key;
  }
}

TEST_F(TextTableTest, PreferencesTextEqualToKey) {
  const std::vector<std::string> keys = {
      "None", "Auto", "General", "Every day", "Every week", "Every month", "Every 3 months",
      "Every 6 months", "Never", "Interface", "Small", "Medium", "Large", "Extra Large", "Huge",
      "Input", "Linear", "Adaptive Logarithmic", "DR Reduction", "Gradient Domain", "Output",
      "RLE", "ZIP", "PXR24", "B44", "LZW", "JPEG", "Exact", "RGB", "CMYK", "LAB", "Low",
      "Medium", "High", "Baseline Standard", "Baseline Simple", "Baseline Optimized",
      "Progressive", "Transform", "All Images", "Large Images", "Box", "Bilinear", "Bicubic",
      "Lanczos", "Adjustment", "Frame", "Watermark", "Color", "Black", "Silver", "Gray",
      "White", "Maroon", "Red", "Purple", "Fuchsia", "Green", "Lime", "Olive", "Yellow",
      "Navy", "Blue", "Teal", "Aqua", "Orange", "Brown", "Violet", "Regular", "Bold",
      "Italic", "Bold Italic", "Underline", "Top-Left", "Top-Center", "Top-Right",
      "Middle-Left", "Middle-Center", "Middle-Right", "Bottom-Left", "Bottom-Center",
      "Bottom-Right", "Fixed", "Proportional", "Fit", "Fill", "Advanced", "Current",
      "Original", "Custom", "Export", "Privacy"};
  EXPECT_EQ(keys.size(), 92u);
  for (const std::string& key : keys) EXPECT_EQ(GetText("Preferences", key), key) << key;
}

TEST_F(TextTableTest, PreferencesTextEqualToKeyWithColon) {
  const std::vector<std::string> keys = {
      "Language", "Check for Updates", "Input Format", "Header Size", "Load As",
      "Frame Loading", "Output Format", "Bits Per Pixel", "Compression", "Color Table",
      "Color Mode", "Image Quality", "Chroma Subsampling", "Save As", "Interlaced",
      "Image Rotation", "Rotation Type", "Rotation Angle", "Background Color", "Image Resize",
      "Image Width", "Image Height", "Resize Type", "Resize Algorithm", "Image Brightness",
      "Image Contrast", "Image Threshold", "Threshold Level", "Image Dither", "Left", "Right",
      "Top", "Bottom", "Left Color", "Right Color", "Top Color", "Bottom Color", "Text",
      "Image", "Font", "Font Size", "Font Leading", "Font Color", "Font Style", "Font Effect",
      "Antialiasing", "Text Alignment", "Text Padding", "Text Opacity", "Background Opacity",
      "Opacity", "Boundary", "Position", "X-Offset", "Y-Offset", "Size", "Scale",
      "Filename Mask", "File Timestamp", "Custom Timestamp", "Keep Subfolders"};
  EXPECT_EQ(keys.size(), 61u);
  for (const std::string& key : keys) EXPECT_EQ(GetText("Preferences", key), key + ":") << key;
}

struct Expected {
  const char* group;
  const char* key;
  const char* text;
};

TEST_F(TextTableTest, SpotChecksOfEveryGroup) {
  const Expected cases[] = {
      // Menu
      {"Menu", "File", "File"},
      {"Menu", "Save As", "Save As..."},
      {"Menu", "Select Input Folder", "Add Input Folder..."},
      {"Menu", "Delete Input Files", "Delete Files From the List"},
      {"Menu", "Select Output Folder", "Select Output Folder..."},
      {"Menu", "Output Format Options", "Options..."},
      {"Menu", "Import Input Files", "Import Files..."},
      {"Menu", "Export Input Files", "Export Files..."},
      {"Menu", "Select All", "Select All"},
      {"Menu", "Batch Convert", "Batch Convert..."},
      {"Menu", "Custom Converter", "Find a File Converter..."},
      {"Menu", "Manual", "User Manual..."},
      {"Menu", "Visit Homepage", "Visit the Program's Homepage"},
      {"Menu", "Check For New Version", "Check For a New Version"},
      {"Menu", "About", "About..."},
      // General
      {"General", "Input File", "Input File:"},
      {"General", "Input Files", "Input Files:"},
      {"General", "Filename", "Filename"},
      {"General", "Output Folder", "Output Folder:"},
      {"General", "Output Format", "Output Format:"},
      {"General", "Ready", "Ready"},
      {"General", "Preparing", "Preparing..."},
      {"General", "Importing", "Importing..."},
      {"General", "Converting", "Converting..."},
      // Msg
      {"Msg", "Warning", "Warning"},
      {"Msg", "Insufficient memory", "Insufficient Memory"},
      {"Msg", "Unable to open file", "Unable to open the file: %s1%!"},
      {"Msg", "Unable to save file", "Unable to save the file: %s1%!"},
      {"Msg", "Empty input files",
       "No input file(s) found. Please, add valid file(s) and try again!"},
      {"Msg", "Empty input folder",
       "The input folder's field is empty. Please, check the existed input folder and try "
       "again!"},
      {"Msg", "Invalid input folder",
       "The following input folder is invalid or doesn't exist:\r\n%s1%\r\n\r\nPlease, correct "
       "the input path and try again!"},
      {"Msg", "Empty output folder",
       "The output folder's field is empty. Please, select existed output folder and try "
       "again!"},
      {"Msg", "Invalid output folder",
       "The following output folder is invalid or doesn't exist:\r\n%s1%\r\n\r\nPlease, correct "
       "the output path and try again!"},
      {"Msg", "Invalid width", "Invalid resize width value!"},
      {"Msg", "Invalid height", "Invalid resize height value!"},
      {"Msg", "Invalid conversion type", "Invalid conversion type!"},
      {"Msg", "Invalid watermark font", "Unable to load selected font for a watermark: %s1%"},
      {"Msg", "Empty watermark image", "Selected watermark image is invalid/empty!"},
      {"Msg", "Invalid watermark image",
       "Unable to load selected file as a watermark image: %s1%"},
      {"Msg", "Import complete", "Import complete, new files added: %s1%"},
      {"Msg", "Import is not complete", "Import stopped"},
      {"Msg", "Export complete", "Export complete, entries saved: %s1%"},
      {"Msg", "Export is not complete", "Export stopped"},
      {"Msg", "Conversion complete", "Conversion complete"},
      {"Msg", "Conversion is not complete", "Conversion stopped"},
      {"Msg", "New Update", "New Update"},
      {"Msg", "New Update Text",
       "A new version of Tarnwick PCD to JPG is available! Are you ready to download it right "
       "now?"},
      {"Msg", "No Update", "No Update"},
      {"Msg", "No Update Text",
       "There is no update of Tarnwick PCD to JPG yet. You're using the most recent version."},
      {"Msg", "Ask check for updates", "Do you want to check for updates?"},
      {"Msg", "Reset to Defaults", "Reset to Defaults"},
      {"Msg", "Ask reset to defaults",
       "Are you sure you want to reset all your settings to the default values?"},
      {"Msg", "Internet connection problems", "Internet connection problems!"},
      {"Msg", "Ask overwrite file", "The file already exist. Do you want to overwrite it?"},
      {"Msg", "Clean recent files", "Clean Recent Files"},
      {"Msg", "Ask clean recent files", "Do you want to clean the recent files list?"},
      {"Msg", "Ask continue to find",
       "No matches of %s1% found!\r\n\r\nDo you want to search from the start of the list?"},
      {"Msg", "Ask break import", "Do you want to break the import?"},
      {"Msg", "Ask break export", "Do you want to break the export?"},
      {"Msg", "Ask break conversion", "Do you want to break the conversion?"},
      {"Msg", "Empty extensions", "Please, fill all required fields and try again!"},
      // Dialog
      {"Dialog", "Select Input Files", "Select Input Files"},
      {"Dialog", "Select Input Folder", "Select Input Folder"},
      {"Dialog", "Select Output Folder", "Select Output Folder"},
      {"Dialog", "Import Input Files", "Import Input Files From A List"},
      {"Dialog", "Export Input Files", "Export Input Files"},
      {"Dialog", "Select Watermark Image", "Select Watermark Image"},
      {"Dialog", "All Supported Files", "All Supported Files"},
      {"Dialog", "Text Files", "Text Files"},
      {"Dialog", "All Files", "All Files"},
      {"Dialog", "Import Progress", "Importing"},
      {"Dialog", "Export Progress", "Exporting"},
      {"Dialog", "Convert Progress", "Converting"},
      {"Dialog", "Time Unknown", "Unknown"},
      {"Dialog", "OK", "OK"},
      {"Dialog", "Cancel", "Cancel"},
      {"Dialog", "Defaults", "Defaults"},
      // Preferences, other texts
      {"Preferences", "Save window position", "Save Window's Coords:"},
      {"Preferences", "UI Theme", "Theme:"},
      {"Preferences", "UI Size", "Icon Size:"},
      {"Preferences", "Bytes", "bytes"},
      {"Preferences", "RGB8", "RGB 8-bit"},
      {"Preferences", "RGB16", "RGB 16-bit"},
      {"Preferences", "RGB24", "RGB 24-bit"},
      {"Preferences", "BGRA", "BGR 32-bit"},
      {"Preferences", "RGBA", "RGB 32-bit"},
      {"Preferences", "All Frames", "All"},
      {"Preferences", "First Frame", "First"},
      {"Preferences", "Middle Frame", "Middle"},
      {"Preferences", "Last Frame", "Last"},
      {"Preferences", "Random Frame", "Random"},
      {"Preferences", "Tone Mapping", "HDR Tone Mapping:"},
      {"Preferences", "PIZ", "PIZ Wavelet"},
      {"Preferences", "ZLIB1", "ZLib Level 1"},
      {"Preferences", "ZLIB6", "ZLib Level 6"},
      {"Preferences", "ZLIB9", "ZLib Level 9"},
      {"Preferences", "CCITTFAX3", "CCITT Group 3 Fax"},
      {"Preferences", "CCITTFAX4", "CCITT Group 4 Fax"},
      {"Preferences", "PACKBITS", "PackBits"},
      {"Preferences", "DEFLATE", "Deflate (ZLib)"},
      {"Preferences", "ADOBEDEFLATE", "Adobe Deflate"},
      {"Preferences", "LOGLUV", "LogLuv"},
      {"Preferences", "Simple Rotation", "Simple"},
      {"Preferences", "Advanced Rotation", "Advanced"},
      {"Preferences", "Pixels", "pixels"},
      {"Preferences", "Percent", "percent"},
      {"Preferences", "Keep Aspect Ratio", "Keep Proportions:"},
      {"Preferences", "Bspline", "B-Spline"},
      {"Preferences", "Catmullrom", "Catmull-Rom Spline"},
      {"Preferences", "Image Flip Horizontal", "Flip Horizontal:"},
      {"Preferences", "Image Flip Vertical", "Flip Vertical:"},
      {"Preferences", "Image Gamma", "Gamma Correction:"},
      {"Preferences", "Image Invert", "Invert Image:"},
      {"Preferences", "Image Greyscale", "Greyscale Image:"},
      {"Preferences", "Dither Algorithm", "Dithering Algorithm:"},
      {"Preferences", "FS", "Floyd and Steinberg error diffusion"},
      {"Preferences", "Bayer4", "Bayer ordered dot dithering 4x4"},
      {"Preferences", "Bayer8", "Bayer ordered dot dithering 8x8"},
      {"Preferences", "Bayer16", "Bayer ordered dot dithering 16x16"},
      {"Preferences", "Cluster6", "Clustered dot dithering 6x6"},
      {"Preferences", "Cluster8", "Clustered dot dithering 8x8"},
      {"Preferences", "Cluster16", "Clustered dot dithering 16x16"},
      {"Preferences", "Frame Type", "Frame:"},
      {"Preferences", "Frame Solid", "Solid Color"},
      {"Preferences", "Watermark Type", "Watermark:"},
      {"Preferences", "Watermark Text", "Text"},
      {"Preferences", "Watermark Image", "Image"},
      {"Preferences", "Points", "points"},
      {"Preferences", "Strikeout", "Strikethrough"},
      {"Preferences", "Align Left", "Left"},
      {"Preferences", "Align Center", "Center"},
      {"Preferences", "Align Right", "Right"},
      {"Preferences", "Bound Image", "Image"},
      {"Preferences", "Bound Frame", "Frame"},
      {"Preferences", "Out Folders History", "Output Folders History:"},
      {"Preferences", "Clean On Exit", "Clean on Exit"},
      {"Preferences", "Keep Folders", "Keep Recent"},
      {"Preferences", "Out Folders Number", "Output Folders Number:"},
      {"Preferences", "Clean Recent Files", "Clean Recent Files List on Exit"},
      // About, Custom-Converter, Uninstall
      {"About", "Version", "Version:"},
      {"About", "Website", "Web:"},
      {"About", "Email", "E-mail:"},
      {"Custom-Converter", "From", "From:"},
      {"Custom-Converter", "To", "To:"},
      {"Custom-Converter", "Search", "Search"},
      {"Uninstall", "Next", "Next"},
  };
  for (const Expected& c : cases)
    EXPECT_EQ(GetText(c.group, c.key), c.text) << c.group << "/" << c.key;
}

TEST_F(TextTableTest, LongMessagesHoldCrLf) {
  const std::string text = GetText("Msg", "Invalid input folder");
  EXPECT_NE(text.find("exist:\r\n%s1%\r\n\r\nPlease"), std::string::npos);
  EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);
  EXPECT_EQ(GetText("Msg", "Ask continue to find").find("%s1% found!\r\n\r\nDo you"), 14u);
  // Every LF of every text is preceded by CR, and no escape was left as text.
  for (const BuiltinText& pair : BuiltinTexts()) {
    const std::string value = pair.text;
    for (size_t at = value.find('\n'); at != std::string::npos; at = value.find('\n', at + 1)) {
      ASSERT_GT(at, 0u) << pair.key;
      EXPECT_EQ(value[at - 1], '\r') << pair.key;
    }
    EXPECT_EQ(value.find("\\r"), std::string::npos) << pair.key;
    EXPECT_EQ(value.find("\\n"), std::string::npos) << pair.key;
  }
}

}  // namespace
