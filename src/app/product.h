#pragma once
// Build-time identity of the product and the formats it converts.
#include <string>
#include <vector>

inline constexpr const char* kProductName = "Tarnwick PCD to JPG";
inline constexpr int kVersionNumber = 290;
inline constexpr const char* kShortName = "velmora";

// First space-separated word of the product name: the maker's folder.
std::string MakerFolderName();

// 290 -> "2.9", 291 -> "2.9.1", 300 -> "3.0" (assumes three digits).
std::string VersionText(int number);
// "<name> <VersionText(number)>".
std::string TitleText(const std::string& name, int number);
// TitleText of this product and version.
std::string ProductTitle();

// The one-line maker's notice; default watermark text and console banner.
std::string MakerNotice();

// What this product converts: the keys of the format registry.
struct ProductFormatLists {
  std::vector<std::string> input;
  std::vector<std::string> output;
};
const ProductFormatLists& ProductFormats();
