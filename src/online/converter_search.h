#pragma once
// The vendor's converter search for a pair of file extensions.
#include <string>

// Lower-cased, cut to its first 12 characters, then only 0-9 and a-z kept:
// "  .PCD" gives "pcd", "tif f" gives "tiff".
std::string NormalizeExtension(const std::string& text);
// The search page for two normalized extensions: VendorUrl() + "/find/" +
// from + "-" + to + "/".
std::string ConverterSearchUrl(const std::string& from, const std::string& to);
