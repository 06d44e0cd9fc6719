#pragma once
// Output file names from the filename mask, and the naming variables shared
// with the watermark text.
#include <string>

// Replaces every occurrence of one of the naming variables (any letter case)
// by its current value; any other text is returned unchanged.
std::string ExpandVariable(const std::string& text, const std::string& variable);
std::string BuildFileName();
std::string BuildOutputPath();
std::string ExpandWatermarkText();
