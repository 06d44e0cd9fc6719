#include "app/setting_table.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "app/keywords.h"
#include "app/text_util.h"

namespace {

// A field accessor: unary plus turns the captureless lambda into the plain
// function pointer that SettingField holds.
#define FIELD(path) SettingField(+[](Settings& s) -> auto& { return s.path; })
#define FLAG(path) +[](Settings& s) -> uint8_t& { return s.path; }

using T = SettingType;
using K = OptionKind;

// The per-format BPP option rows of [Output] differ only in their names.
#define BPP_ROW(KEY, FIELDNAME, OPTION, FORMAT)                                                  \
  {.section = "Output", .key = KEY, .type = T::Integer, .defaultValue = "0",                     \
   .field = FIELD(Output.FIELDNAME), .option = OPTION, .optionKind = K::Number, .formatKey = FORMAT}

const SettingDef kTable[] = {
    // General
    {.section = "General", .key = "CFG", .type = T::Integer, .defaultValue = "19", .field = FIELD(General.Cfg)},
    {.section = "General", .key = "Language", .type = T::Text, .defaultValue = "en", .field = FIELD(General.Language)},
    {.section = "General", .key = "Update Range", .type = T::Integer, .defaultValue = "2", .field = FIELD(General.UpdateRange)},
    {.section = "General", .key = "Update Date", .type = T::Date, .defaultValue = "0", .field = FIELD(General.UpdateDate)},
    {.section = "General", .key = "Save Window Position", .type = T::Flag, .defaultValue = "1", .field = FIELD(General.SaveWindowPosition)},
    // Window
    {.section = "Window", .key = "IsMaximized", .type = T::Flag, .defaultValue = "0", .field = FIELD(Window.IsMaximized)},
    {.section = "Window", .key = "Width", .type = T::Integer, .defaultValue = "510", .field = FIELD(Window.Width)},
    {.section = "Window", .key = "Height", .type = T::Integer, .defaultValue = "260", .field = FIELD(Window.Height)},
    {.section = "Window", .key = "X", .type = T::Integer, .defaultValue = "100", .field = FIELD(Window.X)},
    {.section = "Window", .key = "Y", .type = T::Integer, .defaultValue = "100", .field = FIELD(Window.Y)},
    // Interface
    {.section = "Interface", .key = "UI Theme", .type = T::Text, .defaultValue = "handdrawn", .field = FIELD(Interface.UiTheme)},
    {.section = "Interface", .key = "UI Size", .type = T::Integer, .defaultValue = "2", .field = FIELD(Interface.UiSize)},
    // Input
    {.section = "Input", .key = "Format", .type = T::Text, .defaultValue = "", .field = FIELD(Input.Format)},
    {.section = "Input", .key = "DDS Load As", .type = T::Integer, .defaultValue = "0", .field = FIELD(Input.DdsLoadAs), .option = "--DDS-LOAD-AS", .optionKind = K::Keyword, .keywordSet = 0, .formatKey = "dds"},
    {.section = "Input", .key = "GIF Frame Loading", .type = T::Integer, .defaultValue = "0", .field = FIELD(Input.GifFrameLoading), .option = "--GIF-FRAME-LOADING", .optionKind = K::Keyword, .keywordSet = 2, .formatKey = "gif"},
    {.section = "Input", .key = "ICO Frame Loading", .type = T::Integer, .defaultValue = "0", .field = FIELD(Input.IcoFrameLoading), .option = "--ICO-FRAME-LOADING", .optionKind = K::Keyword, .keywordSet = 2, .formatKey = "ico"},
    {.section = "Input", .key = "TIFF Frame Loading", .type = T::Integer, .defaultValue = "0", .field = FIELD(Input.TiffFrameLoading), .option = "--TIFF-FRAME-LOADING", .optionKind = K::Keyword, .keywordSet = 2, .formatKey = "tiff"},
    {.section = "Input", .key = "PSD Color Mode", .type = T::Integer, .defaultValue = "0", .field = FIELD(Input.PsdColorMode), .option = "--PSD-COLOR-MODE", .optionKind = K::Keyword, .keywordSet = 6, .formatKey = "psd"},
    {.section = "Input", .key = "RAW Load As", .type = T::Integer, .defaultValue = "0", .field = FIELD(Input.RawLoadAs), .option = "--RAW-LOAD-AS", .optionKind = K::Keyword, .keywordSet = 1, .formatKey = "raw"},
    {.section = "Input", .key = "RAW Header Size", .type = T::Integer, .defaultValue = "0", .field = FIELD(Input.RawHeaderSize), .option = "--RAW-HEADER-SIZE", .optionKind = K::Number, .formatKey = "raw"},
    {.section = "Input", .key = "RAW Image Width", .type = T::Integer, .defaultValue = "0", .field = FIELD(Input.RawImageWidth), .option = "--RAW-WIDTH", .optionKind = K::Number, .formatKey = "raw"},
    {.section = "Input", .key = "RAW Image Height", .type = T::Integer, .defaultValue = "0", .field = FIELD(Input.RawImageHeight), .option = "--RAW-HEIGHT", .optionKind = K::Number, .formatKey = "raw"},
    {.section = "Input", .key = "RAW Tone Mapping", .type = T::Integer, .defaultValue = "2", .field = FIELD(Input.RawToneMapping), .option = "--RAW-TONE-MAPPING", .optionKind = K::Keyword, .keywordSet = 3, .formatKey = "raw"},
    // Output
    {.section = "Output", .key = "Format", .type = T::Text, .defaultValue = "", .field = FIELD(Output.Format)},
    BPP_ROW("BMP BPP", BmpBpp, "--BMP-BPP", "bmp"),
    {.section = "Output", .key = "BMP Compression", .type = T::Integer, .defaultValue = "0", .field = FIELD(Output.BmpCompression), .option = "--BMP-COMPRESSION", .optionKind = K::Keyword, .keywordSet = 4, .formatKey = "bmp"},
    {.section = "Output", .key = "BMP Color Table", .type = T::Integer, .defaultValue = "0", .field = FIELD(Output.BmpColorTable), .option = "--BMP-COLOR-TABLE", .optionKind = K::Keyword, .keywordSet = 5, .formatKey = "bmp"},
    BPP_ROW("DDS BPP", DdsBpp, "--DDS-BPP", "dds"),
    BPP_ROW("EXR BPP", ExrBpp, "--EXR-BPP", "exr"),
    {.section = "Output", .key = "EXR Compression", .type = T::Integer, .defaultValue = "0", .field = FIELD(Output.ExrCompression), .option = "--EXR-COMPRESSION", .optionKind = K::Keyword, .keywordSet = 4, .formatKey = "exr"},
    BPP_ROW("GIF BPP", GifBpp, "--GIF-BPP", "gif"),
    BPP_ROW("HDR BPP", HdrBpp, "--HDR-BPP", "hdr"),
    BPP_ROW("ICO BPP", IcoBpp, "--ICO-BPP", "ico"),
    BPP_ROW("J2K BPP", J2kBpp, "--J2K-BPP", "j2k"),
    BPP_ROW("JNG BPP", JngBpp, "--JNG-BPP", "jng"),
    BPP_ROW("JP2 BPP", Jp2Bpp, "--JP2-BPP", "jp2"),
    {.section = "Output", .key = "JPG BPP", .type = T::Integer, .defaultValue = "0", .field = FIELD(Output.JpgBpp), .option = "--JPG-BPP", .optionKind = K::Number, .formatKey = "jpg", .debugLabel = "JPG BPP: "},
    {.section = "Output", .key = "JPG Quality", .type = T::Integer, .defaultValue = "95", .field = FIELD(Output.JpgQuality), .option = "--JPG-QUALITY", .optionKind = K::Number, .formatKey = "jpg", .debugLabel = "JPG Quality: "},
    {.section = "Output", .key = "JPG Chroma", .type = T::Integer, .defaultValue = "0", .field = FIELD(Output.JpgChroma), .option = "--JPG-CHROMA", .optionKind = K::Keyword, .keywordSet = 7, .formatKey = "jpg", .debugLabel = "JPG Chroma Subsampling: "},
    {.section = "Output", .key = "JPG Save As", .type = T::Integer, .defaultValue = "0", .field = FIELD(Output.JpgSaveAs), .option = "--JPG-SAVE-AS", .optionKind = K::Keyword, .keywordSet = 8, .formatKey = "jpg", .debugLabel = "JPG Save As: "},
    BPP_ROW("JXR BPP", JxrBpp, "--JXR-BPP", "jxr"),
    BPP_ROW("PBM BPP", PbmBpp, "--PBM-BPP", "pbm"),
    BPP_ROW("PCX BPP", PcxBpp, "--PCX-BPP", "pcx"),
    BPP_ROW("PFM BPP", PfmBpp, "--PFM-BPP", "pfm"),
    BPP_ROW("PGM BPP", PgmBpp, "--PGM-BPP", "pgm"),
    BPP_ROW("PNG BPP", PngBpp, "--PNG-BPP", "png"),
    {.section = "Output", .key = "PNG Compression", .type = T::Integer, .defaultValue = "0", .field = FIELD(Output.PngCompression), .option = "--PNG-COMPRESSION", .optionKind = K::Keyword, .keywordSet = 4, .formatKey = "png"},
    {.section = "Output", .key = "PNG Interlaced", .type = T::Flag, .defaultValue = "0", .field = FIELD(Output.PngInterlaced), .option = "--PNG-INTERLACED", .optionKind = K::SetsOne, .formatKey = "png"},
    BPP_ROW("PPM BPP", PpmBpp, "--PPM-BPP", "ppm"),
    BPP_ROW("PSD BPP", PsdBpp, "--PSD-BPP", "psd"),
    BPP_ROW("TGA BPP", TgaBpp, "--TGA-BPP", "tga"),
    {.section = "Output", .key = "TGA Compression", .type = T::Integer, .defaultValue = "0", .field = FIELD(Output.TgaCompression), .option = "--TGA-COMPRESSION", .optionKind = K::Keyword, .keywordSet = 4, .formatKey = "tga"},
    BPP_ROW("TIFF BPP", TiffBpp, "--TIFF-BPP", "tiff"),
    {.section = "Output", .key = "TIFF Compression", .type = T::Integer, .defaultValue = "0", .field = FIELD(Output.TiffCompression), .option = "--TIFF-COMPRESSION", .optionKind = K::Keyword, .keywordSet = 4, .formatKey = "tiff"},
    {.section = "Output", .key = "TIFF Color Mode", .type = T::Integer, .defaultValue = "0", .field = FIELD(Output.TiffColorMode), .option = "--TIFF-COLOR-MODE", .optionKind = K::Keyword, .keywordSet = 6, .formatKey = "tiff"},
    BPP_ROW("WBMP BPP", WbmpBpp, "--WBMP-BPP", "wbmp"),
    BPP_ROW("WEBP BPP", WebpBpp, "--WEBP-BPP", "webp"),
    {.section = "Output", .key = "WEBP Quality", .type = T::Integer, .defaultValue = "100", .field = FIELD(Output.WebpQuality), .option = "--WEBP-QUALITY", .optionKind = K::Number, .formatKey = "webp"},
    BPP_ROW("XPM BPP", XpmBpp, "--XPM-BPP", "xpm"),
    // Transform
    {.section = "Transform", .key = "Do Image Rotation", .type = T::Flag, .defaultValue = "0", .field = FIELD(Transform.DoImageRotation)},
    {.section = "Transform", .key = "Image Rotation Type", .type = T::ByteEnum, .defaultValue = "0", .field = FIELD(Transform.ImageRotationType), .option = "--ROTATION-TYPE", .optionKind = K::Keyword, .keywordSet = 9, .debugLabel = "Image Rotation Type: "},
    {.section = "Transform", .key = "Image Rotation", .type = T::Integer, .defaultValue = "0", .field = FIELD(Transform.ImageRotation), .option = "--ROTATION", .optionKind = K::Number, .switchesOn = FLAG(Transform.DoImageRotation), .debugLabel = "Image Rotation: "},
    {.section = "Transform", .key = "Image Rotation Back Color", .type = T::Color, .defaultValue = "000000", .field = FIELD(Transform.ImageRotationBackColor), .option = "--ROTATION-BACK-COLOR", .optionKind = K::Text, .debugLabel = "Image Rotation Back Color: "},
    {.section = "Transform", .key = "Do Image Resize", .type = T::Flag, .defaultValue = "0", .field = FIELD(Transform.DoImageResize)},
    {.section = "Transform", .key = "Image Width", .type = T::Integer, .defaultValue = "0", .field = FIELD(Transform.ImageWidth), .option = "--WIDTH", .optionKind = K::Number, .switchesOn = FLAG(Transform.DoImageResize), .debugLabel = "Width: "},
    {.section = "Transform", .key = "Image Width Unit", .type = T::ByteEnum, .defaultValue = "0", .field = FIELD(Transform.ImageWidthUnit), .option = "--WIDTH-UNIT", .optionKind = K::Keyword, .keywordSet = 10},
    {.section = "Transform", .key = "Image Height", .type = T::Integer, .defaultValue = "0", .field = FIELD(Transform.ImageHeight), .option = "--HEIGHT", .optionKind = K::Number, .switchesOn = FLAG(Transform.DoImageResize), .debugLabel = "Height: "},
    {.section = "Transform", .key = "Image Height Unit", .type = T::ByteEnum, .defaultValue = "0", .field = FIELD(Transform.ImageHeightUnit), .option = "--HEIGHT-UNIT", .optionKind = K::Keyword, .keywordSet = 10},
    {.section = "Transform", .key = "Keep Aspect Ratio", .type = T::Flag, .defaultValue = "1", .field = FIELD(Transform.KeepAspectRatio), .option = "--KEEP-ASPECT-RATIO", .optionKind = K::SetsOne, .debugLabel = "Keep Aspect Ratio: "},
    {.section = "Transform", .key = "Image Resize Type", .type = T::ByteEnum, .defaultValue = "0", .field = FIELD(Transform.ImageResizeType), .option = "--RESIZE-TYPE", .optionKind = K::Keyword, .keywordSet = 11, .debugLabel = "Image Resize Type: "},
    {.section = "Transform", .key = "Image Resize Algorithm", .type = T::ByteEnum, .defaultValue = "3", .field = FIELD(Transform.ImageResizeAlgorithm), .option = "--RESIZE-ALGORITHM", .optionKind = K::Keyword, .keywordSet = 12, .debugLabel = "Image Resize Algorithm: "},
    {.section = "Transform", .key = "Do Image Flip Horizontal", .type = T::Flag, .defaultValue = "0", .field = FIELD(Transform.DoImageFlipHorizontal), .option = "--FLIP-HORIZONTAL", .optionKind = K::SetsOne, .debugLabel = "Flip Horizontal: "},
    {.section = "Transform", .key = "Do Image Flip Vertical", .type = T::Flag, .defaultValue = "0", .field = FIELD(Transform.DoImageFlipVertical), .option = "--FLIP-VERTICAL", .optionKind = K::SetsOne, .debugLabel = "Flip Vertical: "},
    // Adjustment
    {.section = "Adjustment", .key = "Do Image Color Correction", .type = T::Flag, .defaultValue = "0", .field = FIELD(Adjustment.DoImageColorCorrection)},
    {.section = "Adjustment", .key = "Image Brightness", .type = T::Integer, .defaultValue = "0", .field = FIELD(Adjustment.ImageBrightness), .option = "--BRIGHTNESS", .optionKind = K::Number, .switchesOn = FLAG(Adjustment.DoImageColorCorrection), .debugLabel = "Brightness: "},
    {.section = "Adjustment", .key = "Image Contrast", .type = T::Integer, .defaultValue = "0", .field = FIELD(Adjustment.ImageContrast), .option = "--CONTRAST", .optionKind = K::Number, .switchesOn = FLAG(Adjustment.DoImageColorCorrection), .debugLabel = "Contrast: "},
    {.section = "Adjustment", .key = "Image Gamma", .type = T::Real, .defaultValue = "1.0", .field = FIELD(Adjustment.ImageGamma), .option = "--GAMMA", .optionKind = K::Decimal, .switchesOn = FLAG(Adjustment.DoImageColorCorrection), .debugLabel = "Gamma: "},
    {.section = "Adjustment", .key = "Image Invert", .type = T::Flag, .defaultValue = "0", .field = FIELD(Adjustment.ImageInvert), .option = "--INVERT", .optionKind = K::SetsOne, .switchesOn = FLAG(Adjustment.DoImageColorCorrection), .debugLabel = "Invert: "},
    {.section = "Adjustment", .key = "Do Image Greyscale", .type = T::Flag, .defaultValue = "0", .field = FIELD(Adjustment.DoImageGreyscale), .option = "--GREYSCALE", .optionKind = K::SetsOne, .debugLabel = "Greyscale: "},
    {.section = "Adjustment", .key = "Do Image Threshold", .type = T::Flag, .defaultValue = "0", .field = FIELD(Adjustment.DoImageThreshold)},
    {.section = "Adjustment", .key = "Image Threshold", .type = T::Integer, .defaultValue = "0", .field = FIELD(Adjustment.ImageThreshold), .option = "--THRESHOLD", .optionKind = K::Number, .switchesOn = FLAG(Adjustment.DoImageThreshold), .debugLabel = "Image Threshold: "},
    {.section = "Adjustment", .key = "Do Image Dither", .type = T::Flag, .defaultValue = "0", .field = FIELD(Adjustment.DoImageDither)},
    {.section = "Adjustment", .key = "Image Dither Algorithm", .type = T::ByteEnum, .defaultValue = "0", .field = FIELD(Adjustment.ImageDitherAlgorithm), .option = "--DITHER", .optionKind = K::Keyword, .keywordSet = 13, .switchesOn = FLAG(Adjustment.DoImageDither), .debugLabel = "Image Dithering Algorithm: "},
    // Frame
    {.section = "Frame", .key = "Do Frame", .type = T::ByteEnum, .defaultValue = "0", .field = FIELD(Frame.DoFrame), .keywordSet = 14, .debugLabel = "Frame: "},
    {.section = "Frame", .key = "Solid Left", .type = T::Integer, .defaultValue = "0", .field = FIELD(Frame.SolidLeft), .option = "--FR-SOLID-LEFT", .optionKind = K::Number, .switchesOn = FLAG(Frame.DoFrame), .debugLabel = "Frame left: "},
    {.section = "Frame", .key = "Solid Right", .type = T::Integer, .defaultValue = "0", .field = FIELD(Frame.SolidRight), .option = "--FR-SOLID-RIGHT", .optionKind = K::Number, .switchesOn = FLAG(Frame.DoFrame), .debugLabel = "Frame right: "},
    {.section = "Frame", .key = "Solid Top", .type = T::Integer, .defaultValue = "0", .field = FIELD(Frame.SolidTop), .option = "--FR-SOLID-TOP", .optionKind = K::Number, .switchesOn = FLAG(Frame.DoFrame), .debugLabel = "Frame top: "},
    {.section = "Frame", .key = "Solid Bottom", .type = T::Integer, .defaultValue = "0", .field = FIELD(Frame.SolidBottom), .option = "--FR-SOLID-BOTTOM", .optionKind = K::Number, .switchesOn = FLAG(Frame.DoFrame), .debugLabel = "Frame bottom: "},
    {.section = "Frame", .key = "Solid Left Color", .type = T::Color, .defaultValue = "000000", .field = FIELD(Frame.SolidLeftColor), .option = "--FR-SOLID-LEFT-COLOR", .optionKind = K::Text, .debugLabel = "Frame left color: "},
    {.section = "Frame", .key = "Solid Right Color", .type = T::Color, .defaultValue = "000000", .field = FIELD(Frame.SolidRightColor), .option = "--FR-SOLID-RIGHT-COLOR", .optionKind = K::Text, .debugLabel = "Frame right color: "},
    {.section = "Frame", .key = "Solid Top Color", .type = T::Color, .defaultValue = "000000", .field = FIELD(Frame.SolidTopColor), .option = "--FR-SOLID-TOP-COLOR", .optionKind = K::Text, .debugLabel = "Frame top color: "},
    {.section = "Frame", .key = "Solid Bottom Color", .type = T::Color, .defaultValue = "000000", .field = FIELD(Frame.SolidBottomColor), .option = "--FR-SOLID-BOTTOM-COLOR", .optionKind = K::Text, .debugLabel = "Frame bottom color: "},
    {.section = "Frame", .key = "Solid Opacity", .type = T::Integer, .defaultValue = "255", .field = FIELD(Frame.SolidOpacity), .option = "--FR-SOLID-OPACITY", .optionKind = K::Number, .debugLabel = "Frame opacity: ", .profileOption = "--WM-SOLID-OPACITY"},
    // Watermark
    {.section = "Watermark", .key = "Do Watermark", .type = T::ByteEnum, .defaultValue = "0", .field = FIELD(Watermark.DoWatermark), .keywordSet = 15, .debugLabel = "Watermark: "},
    {.section = "Watermark", .key = "Text", .type = T::Text, .defaultValue = "", .field = FIELD(Watermark.Text), .option = "--WM-TEXT", .optionKind = K::Text, .switchesOn = FLAG(Watermark.DoWatermark), .debugLabel = "Watermark text: "},
    {.section = "Watermark", .key = "Fonts", .type = T::Text, .defaultValue = "Arial,Tahoma,Verdana", .field = FIELD(Watermark.Fonts)},
    {.section = "Watermark", .key = "Font", .type = T::Text, .defaultValue = "Arial", .field = FIELD(Watermark.Font), .option = "--WM-FONT", .optionKind = K::Text, .debugLabel = "Watermark font: "},
    {.section = "Watermark", .key = "Font Size", .type = T::Integer, .defaultValue = "14", .field = FIELD(Watermark.FontSize), .option = "--WM-FONT-SIZE", .optionKind = K::Number, .debugLabel = "Watermark font size: "},
    {.section = "Watermark", .key = "Font Leading", .type = T::Integer, .defaultValue = "0", .field = FIELD(Watermark.FontLeading), .option = "--WM-FONT-LEADING", .optionKind = K::Number, .debugLabel = "Watermark font leading: "},
    {.section = "Watermark", .key = "Font Colors", .type = T::ColorList, .defaultValue = "000000,FFFFFF,FF0000,FF8000,FFFF00,008000,00FFFF,0000FF,8000FF", .field = FIELD(Watermark.FontColors)},
    {.section = "Watermark", .key = "Font Color", .type = T::Color, .defaultValue = "FFFFFF", .field = FIELD(Watermark.FontColor), .option = "--WM-FONT-COLOR", .optionKind = K::Text, .debugLabel = "Watermark font color: "},
    {.section = "Watermark", .key = "Font Style", .type = T::ByteEnum, .defaultValue = "0", .field = FIELD(Watermark.FontStyle), .option = "--WM-FONT-STYLE", .optionKind = K::Keyword, .keywordSet = 16, .debugLabel = "Watermark font style: "},
    {.section = "Watermark", .key = "Font Effect", .type = T::ByteEnum, .defaultValue = "0", .field = FIELD(Watermark.FontEffect), .option = "--WM-FONT-EFFECT", .optionKind = K::Keyword, .keywordSet = 17, .debugLabel = "Watermark font effect: "},
    {.section = "Watermark", .key = "Text Antialiasing", .type = T::Flag, .defaultValue = "0", .field = FIELD(Watermark.TextAntialiasing), .option = "--WM-TEXT-ANTIALIASING", .optionKind = K::SetsOne, .debugLabel = "Watermark text antialiasing: "},
    {.section = "Watermark", .key = "Text Alignment", .type = T::ByteEnum, .defaultValue = "0", .field = FIELD(Watermark.TextAlignment), .option = "--WM-TEXT-ALIGNMENT", .optionKind = K::Keyword, .keywordSet = 18, .debugLabel = "Watermark text alignment: "},
    {.section = "Watermark", .key = "Text Padding", .type = T::Integer, .defaultValue = "0", .field = FIELD(Watermark.TextPadding), .option = "--WM-TEXT-PADDING", .optionKind = K::Number, .debugLabel = "Watermark text padding: "},
    {.section = "Watermark", .key = "Text Opacity", .type = T::Integer, .defaultValue = "255", .field = FIELD(Watermark.TextOpacity), .option = "--WM-TEXT-OPACITY", .optionKind = K::Number, .debugLabel = "Watermark text opacity: "},
    {.section = "Watermark", .key = "Back Colors", .type = T::ColorList, .defaultValue = "000000,FFFFFF,FF0000,FF8000,FFFF00,008000,00FFFF,0000FF,8000FF", .field = FIELD(Watermark.BackColors)},
    {.section = "Watermark", .key = "Back Color", .type = T::Color, .defaultValue = "000000", .field = FIELD(Watermark.BackColor), .option = "--WM-BACK-COLOR", .optionKind = K::Text, .debugLabel = "Watermark background color: "},
    {.section = "Watermark", .key = "Back Opacity", .type = T::Integer, .defaultValue = "1", .field = FIELD(Watermark.BackOpacity), .option = "--WM-BACK-OPACITY", .optionKind = K::Number, .debugLabel = "Watermark background opacity: "},
    {.section = "Watermark", .key = "Text Boundary", .type = T::ByteEnum, .defaultValue = "0", .field = FIELD(Watermark.TextBoundary), .option = "--WM-TEXT-BOUNDARY", .optionKind = K::Keyword, .keywordSet = 19, .debugLabel = "Watermark boundary: "},
    {.section = "Watermark", .key = "Text Position", .type = T::ByteEnum, .defaultValue = "8", .field = FIELD(Watermark.TextPosition), .option = "--WM-TEXT-POSITION", .optionKind = K::Keyword, .keywordSet = 20, .debugLabel = "Watermark position: "},
    {.section = "Watermark", .key = "Text X Offset", .type = T::Integer, .defaultValue = "10", .field = FIELD(Watermark.TextXOffset), .option = "--WM-TEXT-X-OFFSET", .optionKind = K::Number},
    {.section = "Watermark", .key = "Text Y Offset", .type = T::Integer, .defaultValue = "10", .field = FIELD(Watermark.TextYOffset), .option = "--WM-TEXT-Y-OFFSET", .optionKind = K::Number},
    {.section = "Watermark", .key = "Text Rotation", .type = T::Integer, .defaultValue = "0", .field = FIELD(Watermark.TextRotation), .option = "--WM-TEXT-ROTATION", .optionKind = K::Number, .debugLabel = "Watermark rotation: "},
    {.section = "Watermark", .key = "Text Size", .type = T::ByteEnum, .defaultValue = "0", .field = FIELD(Watermark.TextSize), .option = "--WM-TEXT-SIZE", .optionKind = K::Keyword, .keywordSet = 21, .debugLabel = "Watermark size/mode: "},
    {.section = "Watermark", .key = "Text Scale", .type = T::Integer, .defaultValue = "10", .field = FIELD(Watermark.TextScale)},
    {.section = "Watermark", .key = "Image", .type = T::Text, .defaultValue = "", .field = FIELD(Watermark.Image), .option = "--WM-IMAGE", .optionKind = K::Text, .switchesOn = FLAG(Watermark.DoWatermark), .switchValue = 2, .debugLabel = "Watermark image: "},
    {.section = "Watermark", .key = "Image Greyscale", .type = T::Flag, .defaultValue = "0", .field = FIELD(Watermark.ImageGreyscale), .option = "--WM-IMAGE-GREYSCALE", .optionKind = K::SetsOne, .debugLabel = "Watermark greyscale: "},
    {.section = "Watermark", .key = "Image Opacity", .type = T::Integer, .defaultValue = "255", .field = FIELD(Watermark.ImageOpacity), .option = "--WM-IMAGE-OPACITY", .optionKind = K::Number, .debugLabel = "Watermark opacity: "},
    {.section = "Watermark", .key = "Image Boundary", .type = T::ByteEnum, .defaultValue = "0", .field = FIELD(Watermark.ImageBoundary), .option = "--WM-IMAGE-BOUNDARY", .optionKind = K::Keyword, .keywordSet = 19, .debugLabel = "Watermark boundary: "},
    {.section = "Watermark", .key = "Image Position", .type = T::ByteEnum, .defaultValue = "8", .field = FIELD(Watermark.ImagePosition), .option = "--WM-IMAGE-POSITION", .optionKind = K::Keyword, .keywordSet = 20, .debugLabel = "Watermark position: "},
    {.section = "Watermark", .key = "Image X Offset", .type = T::Integer, .defaultValue = "10", .field = FIELD(Watermark.ImageXOffset), .option = "--WM-IMAGE-X-OFFSET", .optionKind = K::Number},
    {.section = "Watermark", .key = "Image Y Offset", .type = T::Integer, .defaultValue = "10", .field = FIELD(Watermark.ImageYOffset), .option = "--WM-IMAGE-Y-OFFSET", .optionKind = K::Number},
    {.section = "Watermark", .key = "Image Rotation", .type = T::Integer, .defaultValue = "0", .field = FIELD(Watermark.ImageRotation), .option = "--WM-IMAGE-ROTATION", .optionKind = K::Number, .debugLabel = "Watermark rotation: "},
    {.section = "Watermark", .key = "Image Size", .type = T::ByteEnum, .defaultValue = "0", .field = FIELD(Watermark.ImageSize), .option = "--WM-IMAGE-SIZE", .optionKind = K::Keyword, .keywordSet = 21, .debugLabel = "Watermark size/mode: "},
    {.section = "Watermark", .key = "Image Scale", .type = T::Integer, .defaultValue = "10", .field = FIELD(Watermark.ImageScale)},
    // Advanced
    {.section = "Advanced", .key = "Filename Mask", .type = T::Text, .defaultValue = "%filename%.%ext%", .field = FIELD(Advanced.FilenameMask), .option = "--FILENAME-MASK", .optionKind = K::Text, .debugLabel = "Filename Mask: ", .profileUnquotes = true},
    {.section = "Advanced", .key = "File Timestamp", .type = T::ByteEnum, .defaultValue = "0", .field = FIELD(Advanced.FileTimestamp), .option = "--FILE-TIMESTAMP", .optionKind = K::Keyword, .keywordSet = 22, .debugLabel = "File Timestamp: "},
    {.section = "Advanced", .key = "Custom Timestamp", .type = T::Date, .defaultValue = "0", .field = FIELD(Advanced.CustomTimestamp), .option = "--FILE-TIMESTAMP-CUSTOM", .optionKind = K::Number, .debugLabel = "Custom Timestamp: "},
    {.section = "Advanced", .key = "Out Folders History", .type = T::Flag, .defaultValue = "1", .field = FIELD(Advanced.OutFoldersHistory)},
    {.section = "Advanced", .key = "Out Folders Number", .type = T::Byte, .defaultValue = "5", .field = FIELD(Advanced.OutFoldersNumber)},
    {.section = "Advanced", .key = "Keep Subfolders", .type = T::Flag, .defaultValue = "1", .field = FIELD(Advanced.KeepSubfolders), .option = "--NO-SUBFOLDERS", .optionKind = K::SetsZero, .debugLabel = "Keep Subfolders: "},
    // File
    {.section = "File", .key = "Recent Out Folders", .type = T::Text, .defaultValue = "", .field = FIELD(File.RecentOutFolders)},
    {.section = "File", .key = "Recent Files", .type = T::Text, .defaultValue = "", .field = FIELD(File.RecentFiles)},
    // Privacy
    {.section = "Privacy", .key = "Clean Recent Files", .type = T::Flag, .defaultValue = "0", .field = FIELD(Privacy.CleanRecentFiles)},
};

#undef BPP_ROW
#undef FLAG
#undef FIELD

// Locale-independent: the windowed toolkit switches the C locale to the
// user's. The special values are spelled the way settings files read them.
std::string FixedDecimals(float value, int decimals) {
  if (std::isnan(value)) return "NaN";
  if (std::isinf(value)) return value > 0 ? "+Infinity" : "-Infinity";
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  return std::string(buffer, result.ptr);
}

}  // namespace

std::span<const SettingDef> SettingTable() { return kTable; }

const SettingDef* FindSetting(std::string_view section, std::string_view key) {
  for (const SettingDef& def : kTable)
    if (EqualsIgnoreCase(def.section, section) && EqualsIgnoreCase(def.key, key)) return &def;
  return nullptr;
}

const SettingDef& SettingRow(std::string_view section, std::string_view key) {
  const SettingDef* def = FindSetting(section, key);
  if (!def) {
    std::fprintf(stderr, "internal error: no setting [%.*s] %.*s\n", int(section.size()),
                 section.data(), int(key.size()), key.data());
    std::abort();
  }
  return *def;
}

const SettingDef* FindSettingByOption(std::string_view upperName) {
  for (const SettingDef& def : kTable)
    if (def.option && upperName == def.option) return &def;
  return nullptr;
}

const SettingDef* FindSettingByProfileKey(std::string_view upperName) {
  for (const SettingDef& def : kTable) {
    const char* name = def.profileOption ? def.profileOption : def.option;
    if (name && upperName == name) return &def;
  }
  return nullptr;
}

bool IsNumberSetting(const SettingDef& def) {
  return std::holds_alternative<ByteField>(def.field) || std::holds_alternative<IntField>(def.field) ||
         std::holds_alternative<DateField>(def.field);
}

int64_t SettingNumber(const SettingDef& def, const Settings& settings) {
  Settings& s = const_cast<Settings&>(settings);
  if (auto f = std::get_if<ByteField>(&def.field)) return (*f)(s);
  if (auto f = std::get_if<IntField>(&def.field)) return (*f)(s);
  if (auto f = std::get_if<DateField>(&def.field)) return (*f)(s);
  return 0;
}

void SetSettingNumber(const SettingDef& def, Settings& settings, int64_t value) {
  if (auto f = std::get_if<ByteField>(&def.field)) (*f)(settings) = uint8_t(value);
  else if (auto f = std::get_if<IntField>(&def.field)) (*f)(settings) = int32_t(uint32_t(value));
  else if (auto f = std::get_if<DateField>(&def.field)) (*f)(settings) = value;
}

float& SettingReal(const SettingDef& def, Settings& settings) {
  return std::get<RealField>(def.field)(settings);
}

std::string& SettingString(const SettingDef& def, Settings& settings) {
  return std::get<TextField>(def.field)(settings);
}

std::string DebugValueText(const SettingDef& def, const Settings& settings) {
  Settings& s = const_cast<Settings&>(settings);
  if (def.type == T::Flag) return SettingNumber(def, s) ? "1" : "0";
  if (def.keywordSet >= 0) return KeywordText(def.keywordSet, int(SettingNumber(def, s)));
  if (def.type == T::Real) return FixedDecimals(SettingReal(def, s), 2);
  if (IsNumberSetting(def)) return std::to_string(SettingNumber(def, s));
  return SettingString(def, s);
}

std::string StoredValueText(const SettingDef& def, const Settings& settings) {
  Settings& s = const_cast<Settings&>(settings);
  if (std::holds_alternative<ByteField>(def.field))
    return std::to_string(int(int8_t(SettingNumber(def, s))));
  if (def.type == T::Real) return FixedDecimals(SettingReal(def, s), 6);
  if (IsNumberSetting(def)) return std::to_string(SettingNumber(def, s));
  return SettingString(def, s);
}
