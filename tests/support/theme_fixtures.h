#pragma once
// Theme packages and PNG pictures made on the spot by tests.
#include <cstdint>
#include <string>
#include <vector>

#include "themes/picture.h"

struct ZipFileEntry {
  std::string name;
  std::string data;
};

// A PNG of one colour, given as 0xRRGGBBAA.
std::string MakePng(int width, int height, uint32_t rgba);
// A valid PNG whose header claims another size than its pixel data has.
std::string PngClaimingSize(uint32_t width, uint32_t height);
// The colour of a picture's first pixel as 0xRRGGBBAA; 0 for no picture.
uint32_t FirstPixel(const Picture& picture);
// Writes a ZIP archive; false when libarchive cannot.
bool WriteZip(const std::string& path, const std::vector<ZipFileEntry>& entries);
// Lines joined with CR LF, the last one ended too.
std::string CrLfLines(const std::vector<std::string>& lines);
