#include "picture_sets.h"

#include "app/text_util.h"
#include "artwork.h"
#include "canvas.h"
#include "themes/icon_slots.h"

namespace {

// Icon size of every [Interface] UI Size the program offers.
constexpr int kToolbarSizes[] = {16, 24, 32, 48, 64};
constexpr int kSmallIconSize = 16;
constexpr const char* kConvertButtonEntry = "convert_button.png";
constexpr const char* kLineEnd = "\r\n";

bool RenderIcon(const std::string& name, const Style& style, int pixels, std::string& png) {
  bool known = false;
  const bool rendered = RenderPng(pixels, pixels, [&](cairo_t* cr) { known = DrawIcon(name, cr, style, pixels); }, png);
  return rendered && known;
}

bool RenderButton(const std::string& name, const Style& style, std::string& png) {
  if (name == "Convert")
    return RenderPng(kConvertButtonSize, kConvertButtonSize, [&](cairo_t* cr) { DrawConvertButton(cr, style); }, png);
  // The other buttons show the pictograms of the same commands.
  return RenderIcon(name, style, kSmallIconSize, png);
}

// Lines end in CR LF, the last one too: a key is found only on such a line.
std::string HandDrawnConfig() {
  std::string config = std::string("[Theme]") + kLineEnd + "Name=Hand Drawn" + kLineEnd + kLineEnd;
  config += std::string("[Buttons]") + kLineEnd;
  for (const std::string& name : IconSlotTables.mainButtons.names)
    config += name + "=" + (name == "Convert" ? kConvertButtonEntry : AsciiLower(name)) + kLineEnd;
  config += std::string(kLineEnd) + "[Icons]" + kLineEnd;
  for (const std::string& name : IconSlotTables.menuImages.names) config += name + "=" + AsciiLower(name) + kLineEnd;
  return config;
}

}  // namespace

bool MakeBuiltInSet(std::vector<BuiltInPicture>& pictures) {
  pictures.clear();
  const Style& style = CleanStyle();
  for (const std::string& name : IconSlotTables.mainButtons.names) {
    BuiltInPicture& picture = pictures.emplace_back(BuiltInPicture{"Buttons", name, ""});
    if (!RenderButton(name, style, picture.png)) return false;
  }
  for (const std::string& name : IconSlotTables.menuImages.names) {
    BuiltInPicture& picture = pictures.emplace_back(BuiltInPicture{"Icons", name, ""});
    if (!RenderIcon(name, style, kSmallIconSize, picture.png)) return false;
  }
  BuiltInPicture& banner = pictures.emplace_back(BuiltInPicture{"Banner", "", ""});
  return RenderPng(kBannerWidth, kBannerHeight, DrawBanner, banner.png);
}

bool MakeProgramIcons(const std::vector<int>& sizes, std::vector<ProgramIcon>& icons) {
  icons.clear();
  for (int size : sizes) {
    ProgramIcon& icon = icons.emplace_back(ProgramIcon{size, ""});
    if (!RenderPng(size, size, [size](cairo_t* cr) { DrawProgramIcon(cr, size); }, icon.png)) return false;
  }
  return true;
}

bool MakeHandDrawnPackage(std::vector<PackageFile>& files) {
  files.clear();
  const Style& style = HandDrawnStyle();
  files.push_back({"theme.cfg", HandDrawnConfig()});
  PackageFile& button = files.emplace_back(PackageFile{kConvertButtonEntry, ""});
  if (!RenderButton("Convert", style, button.data)) return false;
  // The "InFiles" and "InFolder" buttons use the 16-pixel icons of the same
  // name, so the icons cover them.
  for (const std::string& name : IconSlotTables.menuImages.names) {
    for (int size : kToolbarSizes) {
      PackageFile& file = files.emplace_back(PackageFile{AsciiLower(name) + "_" + std::to_string(size) + ".png", ""});
      if (!RenderIcon(name, style, size, file.data)) return false;
    }
  }
  return true;
}
