// Settings into the controls and back: what the pages show for stored
// values, and that OK writes every value back unchanged, into memory and
// into config.ini.
#include <QPushButton>

#include <vector>

#include "app/product.h"
#include "config/config_file.h"
#include "preferences_test_support.h"

namespace {

struct StoredValue {
  const char* section;
  const char* key;
  const char* value;  // as config.ini writes it
};

// A value off its default for every setting the pages edit.
const StoredValue kOffDefaults[] = {
    {"General", "Update Range", "4"},
    {"General", "Save Window Position", "0"},
    {"Interface", "UI Size", "1"},
    {"Input", "DDS Load As", "2"},
    {"Input", "GIF Frame Loading", "3"},
    {"Input", "ICO Frame Loading", "1"},
    {"Input", "TIFF Frame Loading", "4"},
    {"Input", "PSD Color Mode", "2"},
    {"Input", "RAW Load As", "5"},
    {"Input", "RAW Header Size", "128"},
    {"Input", "RAW Image Width", "640"},
    {"Input", "RAW Image Height", "480"},
    {"Input", "RAW Tone Mapping", "3"},
    {"Output", "BMP BPP", "24"},
    {"Output", "BMP Compression", "1"},
    {"Output", "BMP Color Table", "1"},
    {"Output", "EXR BPP", "96"},
    {"Output", "EXR Compression", "4"},
    {"Output", "JPG BPP", "8"},
    {"Output", "JPG Quality", "42"},
    {"Output", "JPG Chroma", "3"},
    {"Output", "JPG Save As", "2"},
    {"Output", "PNG BPP", "48"},
    {"Output", "PNG Compression", "3"},
    {"Output", "PNG Interlaced", "1"},
    {"Output", "TGA Compression", "1"},
    {"Output", "TIFF BPP", "32"},
    {"Output", "TIFF Compression", "8"},
    {"Output", "TIFF Color Mode", "1"},
    {"Output", "WEBP BPP", "32"},
    {"Output", "WEBP Quality", "7"},
    {"Transform", "Do Image Rotation", "1"},
    {"Transform", "Image Rotation Type", "1"},
    {"Transform", "Image Rotation", "275"},
    {"Transform", "Image Rotation Back Color", "12AB9F"},
    {"Transform", "Do Image Resize", "1"},
    {"Transform", "Image Width", "1024"},
    {"Transform", "Image Width Unit", "1"},
    {"Transform", "Image Height", "50"},
    {"Transform", "Image Height Unit", "1"},
    {"Transform", "Keep Aspect Ratio", "0"},
    {"Transform", "Image Resize Type", "1"},
    {"Transform", "Image Resize Algorithm", "5"},
    {"Transform", "Do Image Flip Horizontal", "1"},
    {"Transform", "Do Image Flip Vertical", "1"},
    {"Adjustment", "Do Image Color Correction", "1"},
    {"Adjustment", "Image Brightness", "-35"},
    {"Adjustment", "Image Contrast", "60"},
    {"Adjustment", "Image Gamma", "2.200000"},
    {"Adjustment", "Image Invert", "1"},
    {"Adjustment", "Do Image Greyscale", "1"},
    {"Adjustment", "Do Image Threshold", "1"},
    {"Adjustment", "Image Threshold", "200"},
    {"Adjustment", "Do Image Dither", "1"},
    {"Adjustment", "Image Dither Algorithm", "6"},
    {"Frame", "Do Frame", "1"},
    {"Frame", "Solid Left", "5"},
    {"Frame", "Solid Right", "6"},
    {"Frame", "Solid Top", "7"},
    {"Frame", "Solid Bottom", "8"},
    {"Frame", "Solid Left Color", "FF0000"},
    {"Frame", "Solid Right Color", "00FF00"},
    {"Frame", "Solid Top Color", "0000FF"},
    {"Frame", "Solid Bottom Color", "ABCDEF"},
    {"Frame", "Solid Opacity", "128"},
    {"Watermark", "Do Watermark", "2"},
    {"Watermark", "Text", "Hello world"},
    {"Watermark", "Font", "Tahoma"},
    {"Watermark", "Font Size", "22"},
    {"Watermark", "Font Leading", "3"},
    {"Watermark", "Font Color", "FF8000"},
    {"Watermark", "Font Style", "3"},
    {"Watermark", "Font Effect", "2"},
    {"Watermark", "Text Antialiasing", "1"},
    {"Watermark", "Text Alignment", "2"},
    {"Watermark", "Text Padding", "4"},
    {"Watermark", "Text Opacity", "200"},
    {"Watermark", "Back Colors", "000000,FFFFFF"},
    {"Watermark", "Back Color", "FFFFFF"},
    {"Watermark", "Back Opacity", "99"},
    {"Watermark", "Text Boundary", "1"},
    {"Watermark", "Text Position", "4"},
    {"Watermark", "Text X Offset", "11"},
    {"Watermark", "Text Y Offset", "12"},
    {"Watermark", "Text Rotation", "45"},
    {"Watermark", "Text Scale", "150"},
    {"Watermark", "Image", "/srv/logos/logo.png"},
    {"Watermark", "Image Greyscale", "1"},
    {"Watermark", "Image Opacity", "77"},
    {"Watermark", "Image Boundary", "1"},
    {"Watermark", "Image Position", "2"},
    {"Watermark", "Image X Offset", "13"},
    {"Watermark", "Image Y Offset", "14"},
    {"Watermark", "Image Rotation", "90"},
    {"Watermark", "Image Scale", "33"},
    {"Advanced", "Filename Mask", "%filename%_small.%ext%"},
    {"Advanced", "File Timestamp", "2"},
    {"Advanced", "Custom Timestamp", "1700000007"},
    {"Advanced", "Out Folders History", "0"},
    {"Advanced", "Out Folders Number", "17"},
    {"Advanced", "Keep Subfolders", "0"},
};

void PutSettingsOffDefault() {
  for (const StoredValue& value : kOffDefaults) SetStored(value.section, value.key, value.value);
}

std::vector<std::string> AllStoredValues() {
  std::vector<std::string> values;
  for (const SettingDef& def : SettingTable()) values.push_back(StoredValueText(def, g_settings));
  return values;
}

bool WrittenToConfig(const SettingDef& def) {
  if (std::string_view(def.section) == "Window") return false;  // Save Window Position is off
  if (!def.formatKey) return true;
  const auto& product = ProductFormats();
  return std::find(product.input.begin(), product.input.end(), def.formatKey) != product.input.end() ||
         std::find(product.output.begin(), product.output.end(), def.formatKey) != product.output.end();
}

}  // namespace

class PreferencesRoundTripTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void cleanup() { ResetPreferencesWindow(); }

  void okWritesEverySettingBackUnchanged() {
    PreferencesSession session;
    PutSettingsOffDefault();
    const std::vector<std::string> before = AllStoredValues();
    QVERIFY(OpenPreferencesOn(kGeneralPage));
    ThePreferencesWindow()->OkButton->click();
    QVERIFY(!ThePreferencesWindow());
    const std::vector<std::string> after = AllStoredValues();
    const auto table = SettingTable();
    for (size_t i = 0; i < table.size(); ++i)
      QVERIFY2(after[i] == before[i],
               (std::string(table[i].section) + "/" + table[i].key + ": " + before[i] + " -> " + after[i]).c_str());

    // And config.ini brings them back.
    ApplyDefaults(DefaultsVariant::Windowed);
    LoadConfig();
    const std::vector<std::string> reloaded = AllStoredValues();
    for (size_t i = 0; i < table.size(); ++i)
      if (WrittenToConfig(table[i]))
        QVERIFY2(
            reloaded[i] == before[i],
            (std::string(table[i].section) + "/" + table[i].key + ": " + before[i] + " -> " + reloaded[i]).c_str());
  }

  void controlsShowTheStoredValues() {
    PreferencesSession session;
    PutSettingsOffDefault();
    QVERIFY(OpenPreferencesOn(kGeneralPage));
    const struct {
      const char* section;
      const char* key;
      QString shown;
    } cases[] = {
        {"General", "Language", "English"},
        {"General", "Update Range", "Every 6 months"},
        {"General", "Save Window Position", "clear"},
        {"Interface", "UI Theme", "Hand Drawn"},
        {"Interface", "UI Size", "Medium"},
        {"Input", "Format", "PCD"},
        {"Input", "DDS Load As", "RGB 32-bit"},
        {"Input", "RAW Load As", "RGB 48-bit"},
        {"Input", "RAW Header Size", "128 bytes"},
        {"Input", "RAW Image Height", "480 pixels"},
        {"Input", "RAW Tone Mapping", "DR Reduction"},
        {"Output", "Format", "JPG"},
        {"Output", "JPG BPP", "8"},
        {"Output", "JPG Quality", "42 at 42"},
        {"Output", "JPG Save As", "Baseline Optimized"},
        {"Output", "TIFF Compression", "LogLuv"},
        {"Output", "PNG Interlaced", "ticked"},
        {"Transform", "Image Rotation Type", "Advanced"},
        {"Transform", "Image Rotation", "275 at 275"},
        {"Transform", "Image Rotation Back Color", "12AB9F"},
        {"Transform", "Image Width", "1024 percent"},
        {"Transform", "Keep Aspect Ratio", "clear"},
        {"Transform", "Image Resize Algorithm", "Lanczos"},
        {"Adjustment", "Image Brightness", "-35 at 65"},
        {"Adjustment", "Image Contrast", "60 at 160"},
        {"Adjustment", "Image Gamma", "2.20 at 220"},
        {"Adjustment", "Image Dither Algorithm", "Clustered dot dithering 16x16"},
        {"Frame", "Do Frame", "Solid Color"},
        {"Frame", "Solid Top", "7 pixels"},
        {"Frame", "Solid Bottom Color", "ABCDEF"},
        {"Frame", "Solid Opacity", "128 at 128"},
        {"Watermark", "Do Watermark", "Image"},
        {"Watermark", "Text", "Hello world"},
        {"Watermark", "Font", "Tahoma"},
        {"Watermark", "Font Size", "22 points"},
        {"Watermark", "Font Color", "Orange"},
        {"Watermark", "Font Style", "Bold Italic"},
        {"Watermark", "Font Effect", "Strikethrough"},
        {"Watermark", "Back Color", "White"},
        {"Watermark", "Text Position", "Middle-Center"},
        {"Watermark", "Text Size", "Fixed"},
        {"Watermark", "Image", "/srv/logos/logo.png"},
        {"Watermark", "Image Position", "Top-Right"},
        {"Advanced", "Filename Mask", "%filename%_small.%ext%"},
        {"Advanced", "File Timestamp", "Custom"},
        {"Advanced", "Custom Timestamp", "2023/11/14 22:13:27"},
        {"Advanced", "Out Folders History", "Clean on Exit"},
        {"Advanced", "Out Folders Number", "17 at 17"},
        {"Advanced", "Keep Subfolders", "clear"},
    };
    for (const auto& c : cases) {
      const BuiltRow* row = FindPreferencesRow(c.section, c.key);
      QVERIFY2(row, c.key);
      QCOMPARE(ShownText(*row), c.shown);
    }
    QCOMPARE(SwatchColor(FindPreferencesRow("Transform", "Image Rotation Back Color")->button),
             QColor(0x12, 0xAB, 0x9F));
    QCOMPARE(SwatchColor(FindPreferencesRow("Frame", "Solid Left Color")->button), QColor(0xFF, 0, 0));
    const BuiltRow* backColor = FindPreferencesRow("Watermark", "Back Color");
    QCOMPARE(backColor->combo->count(), 2);
    QCOMPARE(backColor->combo->itemText(0), QString("Black"));
  }
};

QTEST_MAIN(PreferencesRoundTripTest)
#include "preferences_round_trip_qtest.moc"
