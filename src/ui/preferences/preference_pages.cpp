// The rows of the nine Preferences pages.
#include "ui/preferences/preference_pages.h"

#include "ui/preferences/watermark_choosers.h"

namespace {

using K = RowKind;
using S = PairScale;

constexpr const char* kPixels[] = {"Pixels"};
constexpr const char* kPoints[] = {"Points"};
constexpr const char* kPixelsPercent[] = {"Pixels", "Percent"};
constexpr const char* kFixedSize[] = {"Fixed"};
constexpr const char* kBoundary[] = {"Bound Image", "Bound Frame"};
constexpr const char* kPosition[] = {"Top-Left",    "Top-Center",    "Top-Right",    "Middle-Left", "Middle-Center",
                                     "Middle-Right", "Bottom-Left", "Bottom-Center", "Bottom-Right"};

// General
constexpr const char* kUpdateRange[] = {"Every day",      "Every week",     "Every month",
                                        "Every 3 months", "Every 6 months", "Never"};
constexpr RowDef kGeneralRows[] = {
    PlainRow("Language", K::LanguageCombo, "General", "Language"),
    ComboRow("Check For Updates", "General", "Update Range", kUpdateRange),
    CheckRow("Save window position", "General", "Save Window Position"),
};

// Interface
constexpr const char* kUiSize[] = {"Small", "Medium", "Large"};
constexpr RowDef kInterfaceRows[] = {
    PlainRow("UI Theme", K::ThemeCombo, "Interface", "UI Theme"),
    ComboRow("UI Size", "Interface", "UI Size", kUiSize),
};

// Input and Output: the format combo above the format's panel.
constexpr RowDef kInputRows[] = {PlainRow("Input Format", K::FormatCombo, "Input", "Format")};
constexpr RowDef kOutputRows[] = {PlainRow("Output Format", K::FormatCombo, "Output", "Format")};

// Transform
constexpr const char* kRotationType[] = {"Simple Rotation", "Advanced Rotation"};
constexpr const char* kResizeType[] = {"All Images", "Large Images"};
constexpr const char* kResizeAlgorithm[] = {"Box", "Bilinear", "Bspline", "Bicubic", "Catmullrom", "Lanczos"};
constexpr RowDef kTransformRows[] = {
    CheckRow("Image Rotation", "Transform", "Do Image Rotation"),
    ComboRow("Rotation Type", "Transform", "Image Rotation Type", kRotationType),
    PairRow("Rotation Angle", "Transform", "Image Rotation", 0, 360),
    PlainRow("Background Color", K::ColorButton, "Transform", "Image Rotation Back Color"),
    CheckRow("Image Resize", "Transform", "Do Image Resize"),
    NumberRow("Image Width", "Transform", "Image Width", kPixelsPercent, "Image Width Unit"),
    NumberRow("Image Height", "Transform", "Image Height", kPixelsPercent, "Image Height Unit"),
    CheckRow("Keep Aspect Ratio", "Transform", "Keep Aspect Ratio"),
    ComboRow("Resize Type", "Transform", "Image Resize Type", kResizeType),
    ComboRow("Resize Algorithm", "Transform", "Image Resize Algorithm", kResizeAlgorithm),
    CheckRow("Image Flip Horizontal", "Transform", "Do Image Flip Horizontal"),
    CheckRow("Image Flip Vertical", "Transform", "Do Image Flip Vertical"),
};

// Adjustment
constexpr const char* kDither[] = {"FS", "Bayer4", "Bayer8", "Bayer16", "Cluster6", "Cluster8", "Cluster16"};
constexpr RowDef kAdjustmentRows[] = {
    PairRow("Image Brightness", "Adjustment", "Image Brightness", -100, 100, S::Offset100),
    PairRow("Image Contrast", "Adjustment", "Image Contrast", -100, 100, S::Offset100),
    PairRow("Image Gamma", "Adjustment", "Image Gamma", 1, 999, S::Gamma),
    CheckRow("Image Invert", "Adjustment", "Image Invert"),
    CheckRow("Image Greyscale", "Adjustment", "Do Image Greyscale"),
    CheckRow("Image Threshold", "Adjustment", "Do Image Threshold"),
    PairRow("Threshold Level", "Adjustment", "Image Threshold", 0, 255),
    CheckRow("Image Dither", "Adjustment", "Do Image Dither"),
    ComboRow("Dither Algorithm", "Adjustment", "Image Dither Algorithm", kDither),
};

// Frame
constexpr const char* kFrameType[] = {"None", "Frame Solid"};
constexpr RowDef kFrameRows[] = {ComboRow("Frame Type", "Frame", "Do Frame", kFrameType)};
constexpr RowDef kSolidFrameRows[] = {
    NumberRow("Left", "Frame", "Solid Left", kPixels),
    NumberRow("Right", "Frame", "Solid Right", kPixels),
    NumberRow("Top", "Frame", "Solid Top", kPixels),
    NumberRow("Bottom", "Frame", "Solid Bottom", kPixels),
    PlainRow("Left Color", K::ColorButton, "Frame", "Solid Left Color"),
    PlainRow("Right Color", K::ColorButton, "Frame", "Solid Right Color"),
    PlainRow("Top Color", K::ColorButton, "Frame", "Solid Top Color"),
    PlainRow("Bottom Color", K::ColorButton, "Frame", "Solid Bottom Color"),
    PairRow("Opacity", "Frame", "Solid Opacity", 1, 255),
};
constexpr PanelDef kFramePanels[] = {{"solid", kSolidFrameRows, 310}};

// Watermark
constexpr const char* kWatermarkType[] = {"None", "Watermark Text", "Watermark Image"};
constexpr const char* kFontStyle[] = {"Regular", "Bold", "Italic", "Bold Italic"};
constexpr int kFontStyleValues[] = {0, kBoldStyleValue, kItalicStyleValue, kBoldStyleValue + kItalicStyleValue};
constexpr const char* kFontEffect[] = {"None", "Underline", "Strikeout"};
constexpr int kFontEffectValues[] = {0, 4, 8};
constexpr const char* kAlignment[] = {"Align Left", "Align Center", "Align Right"};
constexpr RowDef kWatermarkRows[] = {ComboRow("Watermark Type", "Watermark", "Do Watermark", kWatermarkType)};
constexpr RowDef kWatermarkTextRows[] = {
    PlainRow("Text", K::TextField, "Watermark", "Text"),
    ListRow("Font", K::FontCombo, "Watermark", "Font", "Fonts"),
    NumberRow("Font Size", "Watermark", "Font Size", kPoints),
    NumberRow("Font Leading", "Watermark", "Font Leading", kPixels),
    ListRow("Font Color", K::ColorCombo, "Watermark", "Font Color", "Font Colors"),
    ComboRow("Font Style", "Watermark", "Font Style", kFontStyle, kFontStyleValues),
    ComboRow("Font Effect", "Watermark", "Font Effect", kFontEffect, kFontEffectValues),
    CheckRow("Antialiasing", "Watermark", "Text Antialiasing"),
    ComboRow("Text Alignment", "Watermark", "Text Alignment", kAlignment),
    NumberRow("Text Padding", "Watermark", "Text Padding", kPixels),
    PairRow("Text Opacity", "Watermark", "Text Opacity", 1, 255),
    ListRow("Background Color", K::ColorCombo, "Watermark", "Back Color", "Back Colors"),
    PairRow("Background Opacity", "Watermark", "Back Opacity", 1, 255),
    ComboRow("Boundary", "Watermark", "Text Boundary", kBoundary),
    ComboRow("Position", "Watermark", "Text Position", kPosition),
    NumberRow("X-Offset", "Watermark", "Text X Offset", kPixels),
    NumberRow("Y-Offset", "Watermark", "Text Y Offset", kPixels),
    PairRow("Rotation Angle", "Watermark", "Text Rotation", 0, 360),
    ComboRow("Size", "Watermark", "Text Size", kFixedSize),
    PairRow("Scale", "Watermark", "Text Scale", 1, 200),
};
constexpr RowDef kWatermarkImageRows[] = {
    PlainRow("Image", K::FileField, "Watermark", "Image"),
    CheckRow("Image Greyscale", "Watermark", "Image Greyscale"),
    PairRow("Opacity", "Watermark", "Image Opacity", 1, 255),
    ComboRow("Boundary", "Watermark", "Image Boundary", kBoundary),
    ComboRow("Position", "Watermark", "Image Position", kPosition),
    NumberRow("X-Offset", "Watermark", "Image X Offset", kPixels),
    NumberRow("Y-Offset", "Watermark", "Image Y Offset", kPixels),
    PairRow("Rotation Angle", "Watermark", "Image Rotation", 0, 360),
    ComboRow("Size", "Watermark", "Image Size", kFixedSize),
    PairRow("Scale", "Watermark", "Image Scale", 1, 200),
};
constexpr PanelDef kWatermarkPanels[] = {{"text", kWatermarkTextRows, 610}, {"image", kWatermarkImageRows, 310}};

// Advanced
constexpr const char* kFileTimestamp[] = {"Current", "Original", "Custom"};
constexpr const char* kFoldersHistory[] = {"Clean On Exit", "Keep Folders"};
constexpr RowDef kAdvancedRows[] = {
    PlainRow("Filename Mask", K::TextField, "Advanced", "Filename Mask"),
    ComboRow("File Timestamp", "Advanced", "File Timestamp", kFileTimestamp),
    PlainRow("Custom Timestamp", K::DateField, "Advanced", "Custom Timestamp"),
    ComboRow("Out Folders History", "Advanced", "Out Folders History", kFoldersHistory),
    PairRow("Out Folders Number", "Advanced", "Out Folders Number", 1, 50),
    // Only the command line changes it; the row keeps the stored value.
    CheckRow("Keep Subfolders", "Advanced", "Keep Subfolders", true),
};

}  // namespace

std::span<const PageDef> PreferencesPages() {
  static const PageDef pages[] = {
      {"General", kGeneralRows},
      {"Interface", kInterfaceRows},
      {"Input", kInputRows, 0, InputOptionPanels()},
      {"Output", kOutputRows, 0, OutputOptionPanels()},
      {"Transform", kTransformRows, 375},
      {"Adjustment", kAdjustmentRows, 285},
      {"Frame", kFrameRows, 0, kFramePanels},
      {"Watermark", kWatermarkRows, 0, kWatermarkPanels},
      {"Advanced", kAdvancedRows},
  };
  return pages;
}
