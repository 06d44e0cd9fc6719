#include "ui/aux/jpeg_file.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

#include "platform/safe_replace.h"

namespace {

// libjpeg reports errors by calling error_exit, which must not return; it
// jumps back to Compress, whose frame holds nothing that needs a destructor.
struct JumpingErrorManager {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

void JumpOnError(j_common_ptr info) {
  std::longjmp(reinterpret_cast<JumpingErrorManager*>(info->err)->jump, 1);
}

void Silent(j_common_ptr, int) {}

// Owns the compressor's memory from jpeg_create_compress on.
struct Compressor {
  jpeg_compress_struct info{};
  JumpingErrorManager errors{};
  bool created = false;
  ~Compressor() {
    if (created) jpeg_destroy_compress(&info);
  }
};

bool Compress(Compressor& compressor, std::FILE* file, const uint8_t* rows, int width, int height, int stride,
              int quality) {
  jpeg_compress_struct& info = compressor.info;
  info.err = jpeg_std_error(&compressor.errors.manager);
  compressor.errors.manager.error_exit = JumpOnError;
  compressor.errors.manager.emit_message = Silent;
  if (setjmp(compressor.errors.jump)) return false;
  jpeg_create_compress(&info);
  compressor.created = true;
  jpeg_stdio_dest(&info, file);
  info.image_width = JDIMENSION(width);
  info.image_height = JDIMENSION(height);
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(rows + size_t(info.next_scanline) * size_t(stride));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  return true;
}

}  // namespace

bool WriteJpegFile(const std::string& path, const uint8_t* rows, int width, int height, int stride, int quality) {
  if (!rows || width <= 0 || height <= 0 || stride < width * 3) return false;
  // An earlier screenshot stays whole unless the new one is complete.
  return ReplaceFileSafely(path, [&](std::FILE* file) {
    Compressor compressor;
    return Compress(compressor, file, rows, width, height, stride, quality);
  });
}
