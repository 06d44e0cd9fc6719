#include "themes/image_sets.h"

#include <utility>
#include <vector>

namespace {
// Indexed by slot number; grows to IconSlotCount() as slots are filled.
std::vector<Picture> slotPictures;
const Picture kNoPicture;
}  // namespace

ImageSet ButtonImages(IconSlotTables.mainButtons);
ImageSet MenuIcons(IconSlotTables.menuImages);
ImageSet ToolbarIcons(IconSlotTables.toolbarImages);
Picture BannerImage;

const Picture& ImageSet::Find(const std::string& name) const {
  const int slot = FindIconSlot(table_, name);
  if (slot < 0 || size_t(slot) >= slotPictures.size()) return kNoPicture;
  return slotPictures[size_t(slot)];
}

bool ImageSet::Replace(const std::string& name, Picture picture) {
  const int slot = FindIconSlot(table_, name);
  if (slot < 0) return false;
  if (slotPictures.size() < size_t(IconSlotCount())) slotPictures.resize(size_t(IconSlotCount()));
  slotPictures[size_t(slot)] = std::move(picture);
  return true;
}
