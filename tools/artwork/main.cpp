// Draws the program's built-in pictures and its default theme package.
//   velmora_artwork --source <embedded_pictures.cpp> --package <handdrawn.zip> [--sheet <review.png>]
#include <cstdio>
#include <string>
#include <vector>

#include "picture_sets.h"
#include "themes/icon_slots.h"
#include "writers.h"

int main(int argc, char** argv) {
  std::string source, package, sheet;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    if (option == "--source") source = argv[i + 1];
    else if (option == "--package") package = argv[i + 1];
    else if (option == "--sheet") sheet = argv[i + 1];
    else {
      std::fprintf(stderr, "velmora_artwork: unknown option %s\n", option.c_str());
      return 2;
    }
  }
  FillIconSlotTables();
  std::vector<BuiltInPicture> builtIn;
  std::vector<PackageFile> handDrawn;
  if (!MakeBuiltInSet(builtIn) || !MakeHandDrawnPackage(handDrawn)) {
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
  if (!sheet.empty() && !WriteContactSheet(sheet, builtIn, handDrawn)) {
    std::fprintf(stderr, "velmora_artwork: cannot write %s\n", sheet.c_str());
    return 1;
  }
  return 0;
}
