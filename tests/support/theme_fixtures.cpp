#include "support/theme_fixtures.h"

#include <archive.h>
#include <archive_entry.h>
#include <png.h>

#include <cstring>
#include <memory>

namespace {

struct WriterReleaser {
  void operator()(archive* writer) const { archive_write_free(writer); }
};
struct EntryReleaser {
  void operator()(archive_entry* entry) const { archive_entry_free(entry); }
};

uint32_t Crc32(const std::string& bytes, size_t from, size_t length) {
  uint32_t crc = 0xFFFFFFFFu;
  for (size_t i = from; i < from + length; ++i) {
    crc ^= static_cast<unsigned char>(bytes[i]);
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
  }
  return ~crc;
}

void PutBigEndian(std::string& bytes, size_t at, uint32_t value) {
  for (int i = 0; i < 4; ++i) bytes[at + size_t(i)] = char((value >> (24 - 8 * i)) & 0xFF);
}

}  // namespace

std::string MakePng(int width, int height, uint32_t rgba) {
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = png_uint_32(width);
  image.height = png_uint_32(height);
  image.format = PNG_FORMAT_RGBA;
  std::vector<uint8_t> pixels(size_t(width) * size_t(height) * 4);
  for (size_t i = 0; i < pixels.size(); i += 4)
    for (int k = 0; k < 4; ++k) pixels[i + size_t(k)] = uint8_t(rgba >> (24 - 8 * k));
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&image, nullptr, &size, 0, pixels.data(), 0, nullptr)) return "";
  std::string png(size, '\0');
  if (!png_image_write_to_memory(&image, png.data(), &size, 0, pixels.data(), 0, nullptr)) return "";
  png.resize(size);
  return png;
}

std::string PngClaimingSize(uint32_t width, uint32_t height) {
  std::string png = MakePng(1, 1, 0xFF0000FFu);
  // Signature (8), then IHDR: length (4), type (4), width, height, ..., CRC.
  constexpr size_t kIhdrType = 12, kIhdrDataLength = 13;
  PutBigEndian(png, 16, width);
  PutBigEndian(png, 20, height);
  PutBigEndian(png, kIhdrType + 4 + kIhdrDataLength, Crc32(png, kIhdrType, 4 + kIhdrDataLength));
  return png;
}

uint32_t FirstPixel(const Picture& picture) {
  if (picture.rgba.size() < 4) return 0;
  return uint32_t(picture.rgba[0]) << 24 | uint32_t(picture.rgba[1]) << 16 | uint32_t(picture.rgba[2]) << 8 |
         picture.rgba[3];
}

bool WriteZip(const std::string& path, const std::vector<ZipFileEntry>& entries) {
  std::unique_ptr<archive, WriterReleaser> writer(archive_write_new());
  if (!writer || archive_write_set_format_zip(writer.get()) != ARCHIVE_OK ||
      archive_write_open_filename(writer.get(), path.c_str()) != ARCHIVE_OK)
    return false;
  for (const ZipFileEntry& file : entries) {
    std::unique_ptr<archive_entry, EntryReleaser> entry(archive_entry_new());
    archive_entry_set_pathname(entry.get(), file.name.c_str());
    archive_entry_set_filetype(entry.get(), AE_IFREG);
    archive_entry_set_perm(entry.get(), 0644);
    archive_entry_set_size(entry.get(), la_int64_t(file.data.size()));
    if (archive_write_header(writer.get(), entry.get()) != ARCHIVE_OK ||
        archive_write_data(writer.get(), file.data.data(), file.data.size()) != la_ssize_t(file.data.size()))
      return false;
  }
  return archive_write_close(writer.get()) == ARCHIVE_OK;
}

std::string CrLfLines(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}
