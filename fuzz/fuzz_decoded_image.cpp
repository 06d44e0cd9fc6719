// What a decoder leaves behind: the intermediate TGA, or the PhotoCD file
// read by FreeImage's own reader.
#include <FreeImage.h>

#include "engine/pipeline.h"
#include "fuzz_support.h"

FUZZ_TARGET(decoded_image) {
  const std::string file = WriteFuzzFile("input.pcd", data, size);
  LoadDecoded(file, file);                       // as an intermediate TGA
  LoadDecoded(file, FuzzFolder() + "none.tga");  // as a PhotoCD file
  return 0;
}
