#include "app/formats.h"

#include <FreeImage.h>

#include "app/product.h"
#include "app/text_util.h"

namespace {

struct InputRow {
  const char* formatKey;
  const char* description;
  std::vector<const char*> extensions;
};

std::vector<InputFormatRecord> MakeInputRegistry() {
  const InputRow rows[] = {
      {"bmp", "Windows or OS/2 Bitmap", {"bmp", "rle", "dib"}},
      {"dds", "DirectDraw Surface File", {"dds"}},
      {"emf", "Enhanced Metafile Format", {"emf", "emz"}},
      {"gif", "GIF File", {"gif"}},
      {"hdr", "High Dynamic Range File", {"hdr", "hdri"}},
      {"ico", "Windows Icon", {"ico"}},
      {"jpg", "JPEG File", {"jpg", "jpeg", "jpe", "jif"}},
      {"pcd", "Kodak PhotoCD File", {"pcd", "pcd1", "pcds", "ppcd"}},
      {"pcx", "ZSoft Paintbrush File", {"pcx"}},
      {"pic", "Macintosh PICT", {"pic", "pict", "pct"}},
      {"png", "Portable Network Graphics", {"png"}},
      {"psd", "Adobe Photoshop File", {"psd"}},
      {"tga", "Truevision Targa", {"tga", "targa"}},
      {"tiff", "Tagged Image File Format", {"tiff", "tif"}},
      {"wmf", "Windows Metafile Format", {"wmf", "wmz"}},
      {"wmf", "Aldus Placeable Metafile", {"apm"}},
      {"raw", "Camera RAW Image", {"raw", "raw1", "raw2"}},
      {"raw", "Hasselblad Camera RAW Image", {"3fr"}},
      {"raw", "Sony Camera RAW Image", {"arw", "sr2", "srf"}},
      {"raw", "Casio Camera RAW Image", {"bay"}},
      {"raw", "NuCore RAW Image", {"bmq"}},
      {"raw", "Phase One Camera RAW Image", {"cap", "iiq", "eip"}},
      {"raw", "Phantom RAW Image", {"cine"}},
      {"raw", "Canon Camera RAW Image", {"cr2", "crw"}},
      {"raw", "Capture Shop RAW Image", {"cs1"}},
      {"raw", "Kodak Camera RAW Image", {"dc2", "dcr", "drf", "dsc", "k25", "kc2", "kdc", "dcs"}},
      {"raw", "Adobe Digital Negative Image", {"dng"}},
      {"raw", "Epson Camera RAW Image", {"erf"}},
      {"raw", "Imacon Camera RAW Image", {"fff"}},
      {"raw", "Sinar RAW Image", {"ia", "sti"}},
      {"raw", "Minolta Camera RAW Image", {"mdc", "mrw"}},
      {"raw", "Mamiya Camera RAW Image", {"mef", "mos"}},
      {"raw", "Nikon Camera RAW Image", {"nef", "nrw"}},
      {"raw", "Olympus Camera RAW Image", {"orf"}},
      {"raw", "Pentax Camera RAW Image", {"pef", "ptx"}},
      {"raw", "Logitech Camera RAW Image", {"pxn"}},
      {"raw", "Apple Quicktake Camera RAW Image", {"qtk"}},
      {"raw", "Fuji Camera RAW Image", {"raf"}},
      {"raw", "Digital Foto Maker RAW Image", {"rdc"}},
      {"raw", "Panasonic Camera RAW Image", {"rw2"}},
      {"raw", "Rawzor Camera RAW Image", {"rwz"}},
      {"raw", "Sigma Camera RAW Image", {"x3f"}},
      {"raw", "ARRI RAW Image", {"ari"}},
      {"raw", "RED RAW Image", {"r3d"}},
      {"raw", "Leica Camera RAW Image", {"rwl"}},
  };
  std::vector<InputFormatRecord> registry;
  for (const InputRow& row : rows)
    for (const char* extension : row.extensions)
      registry.push_back({extension, row.formatKey, row.description});
  return registry;
}

std::vector<std::string> g_inputExtensions;

}  // namespace

const std::vector<InputFormatRecord>& InputRegistry() {
  static const std::vector<InputFormatRecord> registry = MakeInputRegistry();
  return registry;
}

const std::vector<OutputFormatRecord>& OutputRegistry() {
  static const std::vector<OutputFormatRecord> registry = {
      {"bmp", FIF_BMP, "Windows or OS/2 Bitmap", "1,4,8,16,24,32"},
      {"exr", FIF_EXR, "ILM OpenEXR", "96"},
      {"gif", FIF_GIF, "Graphics Interchange Format", "8"},
      {"hdr", FIF_HDR, "High Dynamic Range Image", "96"},
      {"ico", FIF_ICO, "Windows Icon", "1,4,8,16,24,32"},
      {"j2k", FIF_J2K, "JPEG-2000 Codestream", "8,24,32,48"},
      {"jng", FIF_JNG, "JPEG Network Graphics", "24,32"},
      {"jp2", FIF_JP2, "JPEG-2000 File Format", "8,24,32,48"},
      {"jpg", FIF_JPEG, "JPEG File Format", "8,24"},
      {"jxr", FIF_JXR, "JPEG XR Image Format", "1,8,16,24,32,48,96"},
      {"pbm", FIF_PBM, "Portable Bitmap", "1"},
      {"pfm", FIF_PFM, "Portable Floatmap", "96"},
      {"pgm", FIF_PGM, "Portable Greymap", "8"},
      {"png", FIF_PNG, "Portable Network Graphics", "1,4,8,24,32,48"},
      {"ppm", FIF_PPM, "Portable Pixelmap", "24,48"},
      {"tga", FIF_TARGA, "Truevision Targa", "8,16,24,32"},
      {"tiff", FIF_TIFF, "Tagged Image File Format", "1,4,8,24,32,48,96"},
      {"wbmp", FIF_WBMP, "Wireless Bitmap", "1"},
      {"webp", FIF_WEBP, "Google WebP Image Format", "24,32"},
      {"xpm", FIF_XPM, "X11 Pixmap Format", "24"},
  };
  return registry;
}

const InputFormatRecord* FindInputExtension(const std::string& extension) {
  for (const InputFormatRecord& record : InputRegistry())
    if (record.extension == extension) return &record;
  return nullptr;
}

const OutputFormatRecord* FindOutputFormat(const std::string& key) {
  for (const OutputFormatRecord& record : OutputRegistry())
    if (record.formatKey == key) return &record;
  return nullptr;
}

const std::vector<std::string>& InputExtensions() { return g_inputExtensions; }

void BuildInputExtensions() {
  g_inputExtensions.clear();
  for (const std::string& key : ProductFormats().input)
    for (const InputFormatRecord& record : InputRegistry())
      if (record.formatKey == key) g_inputExtensions.push_back(record.extension);
}

std::string OutputFormatDisplayName(const OutputFormatRecord& record) {
  return AsciiUpper(record.formatKey) + " (" + record.description + ")";
}

std::vector<int> AllowedBitDepths(const std::string& formatKey) {
  std::vector<int> depths;
  const OutputFormatRecord* record = FindOutputFormat(formatKey);
  if (!record) return depths;
  size_t start = 0;
  while (start <= record->bitDepths.size()) {
    size_t comma = record->bitDepths.find(',', start);
    if (comma == std::string::npos) comma = record->bitDepths.size();
    depths.push_back(std::stoi(record->bitDepths.substr(start, comma - start)));
    start = comma + 1;
  }
  return depths;
}
