// The option panels of the Input and Output pages, one per format key.
#include "ui/preferences/preference_pages.h"

namespace {

using K = RowKind;

constexpr const char* kBytes[] = {"Bytes"};
constexpr const char* kPixels[] = {"Pixels"};

// Input panels
constexpr const char* kDdsLoadAs[] = {"Auto", "BGRA", "RGBA"};
constexpr const char* kFrameLoading[] = {"All Frames", "First Frame", "Middle Frame", "Last Frame", "Random Frame"};
constexpr const char* kPsdColorMode[] = {"RGB", "CMYK", "LAB"};
constexpr const char* kRawLoadAs[] = {"Auto", "RGB8", "RGB16", "RGB24", "RGB48HS", "RGB48"};
constexpr const char* kToneMapping[] = {"None", "Linear", "Adaptive Logarithmic", "DR Reduction", "Gradient Domain"};

constexpr RowDef kDdsInput[] = {ComboRow("Load As", "Input", "DDS Load As", kDdsLoadAs)};
constexpr RowDef kGifInput[] = {ComboRow("Frame Loading", "Input", "GIF Frame Loading", kFrameLoading)};
constexpr RowDef kIcoInput[] = {ComboRow("Frame Loading", "Input", "ICO Frame Loading", kFrameLoading)};
constexpr RowDef kPsdInput[] = {ComboRow("Color Mode", "Input", "PSD Color Mode", kPsdColorMode)};
constexpr RowDef kRawInput[] = {
    ComboRow("Load As", "Input", "RAW Load As", kRawLoadAs),
    NumberRow("Header Size", "Input", "RAW Header Size", kBytes),
    NumberRow("Image Width", "Input", "RAW Image Width", kPixels),
    NumberRow("Image Height", "Input", "RAW Image Height", kPixels),
    ComboRow("Tone Mapping", "Input", "RAW Tone Mapping", kToneMapping),
};
constexpr RowDef kTiffInput[] = {ComboRow("Frame Loading", "Input", "TIFF Frame Loading", kFrameLoading)};

constexpr PanelDef kInputPanels[] = {
    {"dds", kDdsInput}, {"gif", kGifInput}, {"ico", kIcoInput},
    {"psd", kPsdInput}, {"raw", kRawInput}, {"tiff", kTiffInput},
};

// Output panels: row 0 is always the format's bit depth.
#define BIT_DEPTH_ROW(KEY) PlainRow("Bits Per Pixel", K::BitDepthCombo, "Output", KEY)

constexpr const char* kNoneRle[] = {"None", "RLE"};
constexpr const char* kRleOnly[] = {"RLE"};
constexpr const char* kColorTable[] = {"Auto", "Exact"};
constexpr const char* kExrCompression[] = {"None", "ZIP", "PIZ", "PXR24", "B44"};
constexpr const char* kChroma[] = {"None", "Low", "Medium", "High"};
constexpr const char* kJpgSaveAs[] = {"Baseline Standard", "Baseline Simple", "Baseline Optimized", "Progressive"};
constexpr const char* kPngCompression[] = {"None", "ZLIB1", "ZLIB6", "ZLIB9"};
constexpr const char* kTiffCompression[] = {"None",    "CCITTFAX3",    "CCITTFAX4", "PACKBITS", "DEFLATE",
                                            "ADOBEDEFLATE", "LZW", "JPEG",      "LOGLUV"};
constexpr const char* kTiffColorMode[] = {"RGB", "CMYK"};

constexpr RowDef kBmpOutput[] = {
    BIT_DEPTH_ROW("BMP BPP"),
    ComboRow("Compression", "Output", "BMP Compression", kNoneRle),
    ComboRow("Color Table", "Output", "BMP Color Table", kColorTable),
};
constexpr RowDef kDdsOutput[] = {BIT_DEPTH_ROW("DDS BPP")};
constexpr RowDef kExrOutput[] = {
    BIT_DEPTH_ROW("EXR BPP"),
    ComboRow("Compression", "Output", "EXR Compression", kExrCompression),
};
constexpr RowDef kGifOutput[] = {BIT_DEPTH_ROW("GIF BPP")};
constexpr RowDef kHdrOutput[] = {BIT_DEPTH_ROW("HDR BPP")};
constexpr RowDef kIcoOutput[] = {BIT_DEPTH_ROW("ICO BPP")};
constexpr RowDef kJ2kOutput[] = {BIT_DEPTH_ROW("J2K BPP")};
constexpr RowDef kJngOutput[] = {BIT_DEPTH_ROW("JNG BPP")};
constexpr RowDef kJp2Output[] = {BIT_DEPTH_ROW("JP2 BPP")};
constexpr RowDef kJpgOutput[] = {
    BIT_DEPTH_ROW("JPG BPP"),
    PairRow("Image Quality", "Output", "JPG Quality", 1, 100),
    ComboRow("Chroma Subsampling", "Output", "JPG Chroma", kChroma),
    ComboRow("Save As", "Output", "JPG Save As", kJpgSaveAs),
};
constexpr RowDef kJxrOutput[] = {BIT_DEPTH_ROW("JXR BPP")};
constexpr RowDef kPbmOutput[] = {BIT_DEPTH_ROW("PBM BPP")};
constexpr RowDef kPcxOutput[] = {
    BIT_DEPTH_ROW("PCX BPP"),
    ComboRow("Compression", nullptr, nullptr, kRleOnly),
};
constexpr RowDef kPfmOutput[] = {BIT_DEPTH_ROW("PFM BPP")};
constexpr RowDef kPgmOutput[] = {BIT_DEPTH_ROW("PGM BPP")};
constexpr RowDef kPngOutput[] = {
    BIT_DEPTH_ROW("PNG BPP"),
    ComboRow("Compression", "Output", "PNG Compression", kPngCompression),
    CheckRow("Interlaced", "Output", "PNG Interlaced"),
};
constexpr RowDef kPpmOutput[] = {BIT_DEPTH_ROW("PPM BPP")};
constexpr RowDef kPsdOutput[] = {BIT_DEPTH_ROW("PSD BPP")};
constexpr RowDef kTgaOutput[] = {
    BIT_DEPTH_ROW("TGA BPP"),
    ComboRow("Compression", "Output", "TGA Compression", kNoneRle),
};
constexpr RowDef kTiffOutput[] = {
    BIT_DEPTH_ROW("TIFF BPP"),
    ComboRow("Compression", "Output", "TIFF Compression", kTiffCompression),
    ComboRow("Color Mode", "Output", "TIFF Color Mode", kTiffColorMode),
};
constexpr RowDef kWbmpOutput[] = {BIT_DEPTH_ROW("WBMP BPP")};
constexpr RowDef kWebpOutput[] = {
    BIT_DEPTH_ROW("WEBP BPP"),
    PairRow("Image Quality", "Output", "WEBP Quality", 1, 100),
};
constexpr RowDef kXpmOutput[] = {BIT_DEPTH_ROW("XPM BPP")};

#undef BIT_DEPTH_ROW

constexpr PanelDef kOutputPanels[] = {
    {"bmp", kBmpOutput},   {"dds", kDdsOutput},   {"exr", kExrOutput},   {"gif", kGifOutput},
    {"hdr", kHdrOutput},   {"ico", kIcoOutput},   {"j2k", kJ2kOutput},   {"jng", kJngOutput},
    {"jp2", kJp2Output},   {"jpg", kJpgOutput},   {"jxr", kJxrOutput},   {"pbm", kPbmOutput},
    {"pcx", kPcxOutput},   {"pfm", kPfmOutput},   {"pgm", kPgmOutput},   {"png", kPngOutput},
    {"ppm", kPpmOutput},   {"psd", kPsdOutput},   {"tga", kTgaOutput},   {"tiff", kTiffOutput},
    {"wbmp", kWbmpOutput}, {"webp", kWebpOutput}, {"xpm", kXpmOutput},
};

}  // namespace

std::span<const PanelDef> InputOptionPanels() { return kInputPanels; }
std::span<const PanelDef> OutputOptionPanels() { return kOutputPanels; }
