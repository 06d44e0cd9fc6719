#include "themes/builtin_images.h"

#include <string>
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

bool EverySlotFilled() {
  for (const ImageSet* set : {&ButtonImages, &MenuIcons, &ToolbarIcons})
    for (const std::string& name : set->Table().names)
      if (set->Find(name).IsEmpty()) return false;
  return !BannerImage.IsEmpty();
}

}  // namespace

bool LoadBuiltInImages() {
  bool decoded = true;
  for (size_t i = 0; i < kEmbeddedPictureCount; ++i) {
    const EmbeddedPicture& embedded = kEmbeddedPictures[i];
    Picture picture;
    const std::string_view png(reinterpret_cast<const char*>(embedded.png), embedded.size);
    if (!DecodePng(png, picture) || !PutPicture(embedded, picture)) decoded = false;
  }
  return decoded && EverySlotFilled();
}
