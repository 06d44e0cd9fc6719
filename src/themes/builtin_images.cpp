#include "themes/builtin_images.h"

#include <string_view>

#include "themes/embedded_pictures.h"
#include "themes/image_sets.h"
#include "themes/png_decoder.h"

namespace {

bool PutPicture(const EmbeddedPicture& embedded, const Picture& picture) {
  switch (embedded.set) {
    case EmbeddedSet::Buttons:
      return ButtonImages.Replace(embedded.name, picture);
    case EmbeddedSet::Icons:
      return MenuIcons.Replace(embedded.name, picture) && ToolbarIcons.Replace(embedded.name, picture);
    case EmbeddedSet::Banner:
      BannerImage = picture;
      return true;
  }
  return false;
}

}  // namespace

bool LoadBuiltInImages() {
  size_t placed = 0;
  for (size_t i = 0; i < kEmbeddedPictureCount; ++i) {
    const EmbeddedPicture& embedded = kEmbeddedPictures[i];
    Picture picture;
    const std::string_view png(reinterpret_cast<const char*>(embedded.png), embedded.size);
    if (DecodePng(png, picture) && PutPicture(embedded, picture)) ++placed;
  }
  const size_t expected = IconSlotTables.mainButtons.names.size() + IconSlotTables.menuImages.names.size() + 1;
  return placed == expected;
}
