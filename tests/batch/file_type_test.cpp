#include "batch/file_type.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "platform/files.h"

namespace {

const std::string kUnrecognized = "[ERROR] UNRECOGNIZED";

struct HeadCase {
  const char* Label;
  std::string Bytes;
  const char* Expected;
};

class FileTypeTest : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = MakeTemporaryFolder("file_type_test_");
    ASSERT_FALSE(folder_.empty());
  }
  void TearDown() override { RemoveFolderTree(folder_); }

  std::string WriteFile(const std::string& name, const std::string& bytes) {
    const std::string path = folder_ + name;
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return path;
  }

  std::string folder_;
};

// Literals with embedded zero bytes need an explicit length.
std::string Bytes(const char* text, size_t length) { return std::string(text, length); }

TEST_F(FileTypeTest, NamesFileFromItsFirstBytes) {
  const HeadCase cases[] = {
      {"photocd overview sector", std::string(64, '\xFF'), kUnrecognized.c_str()},
      {"empty file", "", kUnrecognized.c_str()},
      {"jfif", Bytes("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00\x01\x01\x00\x00\x01\x00\x01\x00\x00", 20), "JPEG/JFIF"},
      {"jfif header cut short", Bytes("\xFF\xD8\xFF\xE0\x00\x10JFIF\x00", 11), kUnrecognized.c_str()},
      {"exif, any segment length", Bytes("\xFF\xD8\xFF\xE1\x12\x34" "Exif\x00\x00MM", 14), "JPEG/EXIF"},
      {"exif without its two zero bytes", Bytes("\xFF\xD8\xFF\xE1\x12\x34" "Exif", 10), kUnrecognized.c_str()},
      {"id3 tag", Bytes("ID3\x03\x00\x00", 6), "MP3/ID3V2"},
      {"flv", Bytes("FLV\x01\x05\x00\x00\x00\x09", 9), "FLV"},
      {"flif, same first two bytes as flv", "FLIF2", "FLIF"},
      {"bmp in three bytes", Bytes("BM\x00", 3), "BMP"},
      {"gif start too short for any gif row", "GIF", kUnrecognized.c_str()},
      {"gif89a", "GIF89a\x01\x00", "GIF89A"},
      {"canon raw refines tiff", Bytes("II*\x00\x10\x00\x00\x00" "CR\x02\x00", 12), "CR2"},
      {"plain little-endian tiff", Bytes("II*\x00\x08\x00\x00\x00", 8), "TIFF (LE)"},
      {"asf header guid",
       Bytes("\x30\x26\xB2\x75\x8E\x66\xCF\x11\xA6\xD9\x00\xAA\x00\x62\xCE\x6C\x00", 17), "ASF/WMA/WMV"},
      {"asf guid missing its last byte",
       Bytes("\x30\x26\xB2\x75\x8E\x66\xCF\x11\xA6\xD9\x00\xAA\x00\x62\xCE", 15), kUnrecognized.c_str()},
      {"sqlite", Bytes("SQLite format 3\x00\x10\x00", 18), "SQLITE/DB"},
      {"rar 1.5", Bytes("Rar!\x1A\x07\x00\xCF", 8), "RAR (1.5+)"},
      {"rar 5.0", Bytes("Rar!\x1A\x07\x01\x00", 8), "RAR (5.0+)"},
      {"rar 5.0 marker cut short", Bytes("Rar!\x1A\x07\x01", 7), kUnrecognized.c_str()},
      {"pdf", "%PDF-1.4\n", "PDF"},
      {"pdf without the dash", "%PDF1.4\n", kUnrecognized.c_str()},
      {"djvu", Bytes("AT&TFORM\x00\x00\x10\x00" "DJVUINFO", 20), "DJVU"},
      {"zip spanned", Bytes("PK\x07\x08\x00\x00", 6), "ZIP (S)"},
      {"webp, tag at offset 8", Bytes("RIFF\x24\x00\x00\x00WEBPVP8 ", 16), "WEBP"},
      {"png longer than the read", Bytes("\x89PNG\r\n\x1A\n\x00\x00\x00\x0DIHDR\x00\x00\x00\x01\x00\x00\x00\x01", 24),
       "PNG"},
  };
  int index = 0;
  for (const HeadCase& c : cases) {
    SCOPED_TRACE(c.Label);
    const std::string path = WriteFile("case" + std::to_string(index++) + ".bin", c.Bytes);
    EXPECT_EQ(IdentifyFileType(path), c.Expected);
  }
}

TEST_F(FileTypeTest, UnreadablePathIsUnrecognized) {
  EXPECT_EQ(IdentifyFileType(folder_ + "missing.pcd"), kUnrecognized);
  EXPECT_EQ(IdentifyFileType(folder_), kUnrecognized);
}

}  // namespace
