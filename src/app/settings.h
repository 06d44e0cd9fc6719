#pragma once
// Every user setting, grouped by its config.ini section. Field order is the
// order of the file; the table in setting_table.h describes each field.
#include <cstdint>
#include <string>

// Application record: held with the settings, never stored in config.ini.
struct ApplicationRecord {
  std::string ConfigPath;    // DataFolder + "config.ini"; empty in console mode
  std::string WorkFolder;    // where intermediate decoder files are written
};

struct GeneralSettings {
  int32_t Cfg;
  std::string Language;
  int32_t UpdateRange;
  int64_t UpdateDate;
  uint8_t SaveWindowPosition;
};

struct WindowSettings {
  uint8_t IsMaximized;
  int32_t Width;
  int32_t Height;
  int32_t X;
  int32_t Y;
};

struct InterfaceSettings {
  std::string UiTheme;
  int32_t UiSize;
};

struct InputSettings {
  std::string Format;
  int32_t DdsLoadAs;
  int32_t GifFrameLoading;
  int32_t IcoFrameLoading;
  int32_t TiffFrameLoading;
  int32_t PsdColorMode;
  int32_t RawLoadAs;
  int32_t RawHeaderSize;
  int32_t RawImageWidth;
  int32_t RawImageHeight;
  int32_t RawToneMapping;
};

struct OutputSettings {
  std::string Format;
  int32_t BmpBpp, BmpCompression, BmpColorTable;
  int32_t DdsBpp;
  int32_t ExrBpp, ExrCompression;
  int32_t GifBpp, HdrBpp, IcoBpp, J2kBpp, JngBpp, Jp2Bpp;
  int32_t JpgBpp, JpgQuality, JpgChroma, JpgSaveAs;
  int32_t JxrBpp, PbmBpp, PcxBpp, PfmBpp, PgmBpp;
  int32_t PngBpp, PngCompression;
  uint8_t PngInterlaced;
  int32_t PpmBpp, PsdBpp;
  int32_t TgaBpp, TgaCompression;
  int32_t TiffBpp, TiffCompression, TiffColorMode;
  int32_t WbmpBpp;
  int32_t WebpBpp, WebpQuality;
  int32_t XpmBpp;
};

struct TransformSettings {
  uint8_t DoImageRotation;
  uint8_t ImageRotationType;
  int32_t ImageRotation;
  std::string ImageRotationBackColor;
  uint8_t DoImageResize;
  int32_t ImageWidth;
  uint8_t ImageWidthUnit;
  int32_t ImageHeight;
  uint8_t ImageHeightUnit;
  uint8_t KeepAspectRatio;
  uint8_t ImageResizeType;
  uint8_t ImageResizeAlgorithm;
  uint8_t DoImageFlipHorizontal;
  uint8_t DoImageFlipVertical;
};

struct AdjustmentSettings {
  uint8_t DoImageColorCorrection;
  int32_t ImageBrightness;
  int32_t ImageContrast;
  float ImageGamma;
  uint8_t ImageInvert;
  uint8_t DoImageGreyscale;
  uint8_t DoImageThreshold;
  int32_t ImageThreshold;
  uint8_t DoImageDither;
  uint8_t ImageDitherAlgorithm;
};

struct FrameSettings {
  uint8_t DoFrame;
  int32_t SolidLeft, SolidRight, SolidTop, SolidBottom;
  std::string SolidLeftColor, SolidRightColor, SolidTopColor, SolidBottomColor;
  int32_t SolidOpacity;
};

struct WatermarkSettings {
  uint8_t DoWatermark;
  std::string Text;
  std::string Fonts;
  std::string Font;
  int32_t FontSize;
  int32_t FontLeading;
  std::string FontColors;
  std::string FontColor;
  uint8_t FontStyle;
  uint8_t FontEffect;
  uint8_t TextAntialiasing;
  uint8_t TextAlignment;
  int32_t TextPadding;
  int32_t TextOpacity;
  std::string BackColors;
  std::string BackColor;
  int32_t BackOpacity;
  uint8_t TextBoundary;
  uint8_t TextPosition;
  int32_t TextXOffset, TextYOffset;
  int32_t TextRotation;
  uint8_t TextSize;
  int32_t TextScale;
  std::string Image;
  uint8_t ImageGreyscale;
  int32_t ImageOpacity;
  uint8_t ImageBoundary;
  uint8_t ImagePosition;
  int32_t ImageXOffset, ImageYOffset;
  int32_t ImageRotation;
  uint8_t ImageSize;
  int32_t ImageScale;
};

struct AdvancedSettings {
  std::string FilenameMask;
  uint8_t FileTimestamp;
  int64_t CustomTimestamp;
  uint8_t OutFoldersHistory;
  uint8_t OutFoldersNumber;
  uint8_t KeepSubfolders;
};

struct FileSettings {
  std::string RecentOutFolders;
  std::string RecentFiles;
};

struct PrivacySettings {
  uint8_t CleanRecentFiles;
};

struct Settings {
  ApplicationRecord App;
  GeneralSettings General;
  WindowSettings Window;
  InterfaceSettings Interface;
  InputSettings Input;
  OutputSettings Output;
  TransformSettings Transform;
  AdjustmentSettings Adjustment;
  FrameSettings Frame;
  WatermarkSettings Watermark;
  AdvancedSettings Advanced;
  FileSettings File;
  PrivacySettings Privacy;
};

extern Settings g_settings;

enum class DefaultsVariant { Windowed, Console };

// Sets every stored field to its default; the application record is kept.
void ApplyDefaults(DefaultsVariant variant);
// Size of the primary desktop, for the centred window position; a seam so
// the windowed mode can supply the real screen. Without it: 0 x 0.
void SetDesktopSizeProvider(void (*provider)(int& width, int& height));
