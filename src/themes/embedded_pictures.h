#pragma once
// The built-in pictures as PNG bytes. The table is generated at build time
// by tools/artwork, which draws them.
#include <cstddef>

enum class EmbeddedSet { Buttons, Icons, Banner };

struct EmbeddedPicture {
  EmbeddedSet set;
  const char* name;  // the image-set name; "" for the banner
  const unsigned char* png;
  size_t size;
};

extern const EmbeddedPicture kEmbeddedPictures[];
extern const size_t kEmbeddedPictureCount;
