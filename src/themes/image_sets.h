#pragma once
// The pictures the main window shows, keyed by the names of IconSlotTables.
#include <string>

#include "themes/icon_slots.h"
#include "themes/picture.h"

// One table's view of the program-wide slot store.
class ImageSet {
 public:
  explicit ImageSet(const IconSlotTable& table) : table_(table) {}
  const IconSlotTable& Table() const { return table_; }
  // The picture in the name's slot; an empty one for a name the table lacks
  // or a slot nothing was loaded into.
  const Picture& Find(const std::string& name) const;
  // Puts the picture into the name's slot; false for a name the table lacks.
  bool Replace(const std::string& name, Picture picture);

 private:
  const IconSlotTable& table_;
};

extern ImageSet ButtonImages;  // large button pictures
extern ImageSet MenuIcons;     // 16-pixel icons of menus, field buttons and combo items
extern ImageSet ToolbarIcons;  // icons of the main toolbar
// The About window's banner; no theme package replaces it.
extern Picture BannerImage;
inline constexpr int kBannerWidth = 360;
inline constexpr int kBannerHeight = 40;
