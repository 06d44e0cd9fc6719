#include "themes/png_decoder.h"

#include <png.h>

#include <cstring>
#include <utility>

namespace {

// libpng's simplified reader keeps its state behind the control pointer; it
// must be freed on every path that began a read.
class PngImageReader {
 public:
  PngImageReader() {
    std::memset(&image_, 0, sizeof image_);
    image_.version = PNG_IMAGE_VERSION;
  }
  ~PngImageReader() { png_image_free(&image_); }
  PngImageReader(const PngImageReader&) = delete;
  PngImageReader& operator=(const PngImageReader&) = delete;
  png_image& Image() { return image_; }

 private:
  png_image image_;
};

}  // namespace

bool DecodePng(std::string_view data, Picture& picture) {
  PngImageReader reader;
  png_image& image = reader.Image();
  if (!png_image_begin_read_from_memory(&image, data.data(), data.size())) return false;
  if (image.width == 0 || image.height == 0) return false;
  if (image.width > png_uint_32(kMaxPictureSide) || image.height > png_uint_32(kMaxPictureSide)) return false;
  image.format = PNG_FORMAT_RGBA;
  Picture decoded;
  decoded.width = int(image.width);
  decoded.height = int(image.height);
  decoded.rgba.resize(PNG_IMAGE_SIZE(image));
  if (!png_image_finish_read(&image, nullptr, decoded.rgba.data(), 0, nullptr)) return false;
  picture = std::move(decoded);
  return true;
}
