// Draws the program's built-in pictures, its default theme package and its
// desktop icon.
//   velmora_artwork [--source <embedded_pictures.cpp>] [--package <handdrawn.zip>]
//                   [--app-icons <hicolor folder> --app-icon-sizes 16,24,...] [--sheet <review.png>]
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "app/product.h"
#include "picture_sets.h"
#include "themes/icon_slots.h"
#include "writers.h"

namespace {

// "16,24,32" -> 16 24 32; empty when a size is not a positive number.
std::vector<int> ReadSizes(const std::string& list) {
  std::vector<int> sizes;
  std::istringstream items(list);
  for (std::string item; std::getline(items, item, ',');) {
    const int size = std::atoi(item.c_str());
    if (size <= 0) return {};
    sizes.push_back(size);
  }
  return sizes;
}

}  // namespace

int main(int argc, char** argv) {
  std::string source, package, appIcons, appIconSizes, sheet;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    if (option == "--source") source = argv[i + 1];
    else if (option == "--package") package = argv[i + 1];
    else if (option == "--app-icons") appIcons = argv[i + 1];
    else if (option == "--app-icon-sizes") appIconSizes = argv[i + 1];
    else if (option == "--sheet") sheet = argv[i + 1];
    else {
      std::fprintf(stderr, "velmora_artwork: unknown option %s\n", option.c_str());
      return 2;
    }
  }
  const std::vector<int> sizes = ReadSizes(appIconSizes);
  if (!appIcons.empty() && sizes.empty()) {
    std::fprintf(stderr, "velmora_artwork: --app-icons needs --app-icon-sizes with sizes in pixels\n");
    return 2;
  }
  FillIconSlotTables();
  std::vector<BuiltInPicture> builtIn;
  std::vector<PackageFile> handDrawn;
  std::vector<ProgramIcon> programIcons;
  if (!MakeBuiltInSet(builtIn) || !MakeHandDrawnPackage(handDrawn) || !MakeProgramIcons(sizes, programIcons)) {
    std::fprintf(stderr, "velmora_artwork: a picture has no drawing\n");
    return 1;
  }
  if (!source.empty() && !WriteEmbeddedSource(source, builtIn)) {
    std::fprintf(stderr, "velmora_artwork: cannot write %s\n", source.c_str());
    return 1;
  }
  if (!package.empty() && !WriteZip(package, handDrawn)) {
    std::fprintf(stderr, "velmora_artwork: cannot write %s\n", package.c_str());
    return 1;
  }
  if (!appIcons.empty() && !WriteIconTheme(appIcons, kShortName, programIcons)) {
    std::fprintf(stderr, "velmora_artwork: cannot write the icons into %s\n", appIcons.c_str());
    return 1;
  }
  if (!sheet.empty() && !WriteContactSheet(sheet, builtIn, handDrawn, programIcons)) {
    std::fprintf(stderr, "velmora_artwork: cannot write %s\n", sheet.c_str());
    return 1;
  }
  return 0;
}
