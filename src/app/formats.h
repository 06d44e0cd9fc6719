#pragma once
// The input and output format registries and the accepted input extensions.
#include <string>
#include <vector>

struct InputFormatRecord {
  std::string extension;  // lower case, without the dot
  std::string formatKey;
  std::string description;
};

struct OutputFormatRecord {
  std::string formatKey;
  int freeImageFormat;  // FreeImage FIF_ identifier
  std::string description;
  std::string bitDepths;  // ascending, comma separated; "Auto" (0) precedes them
};

// Both registries in table order; built once, read-only afterwards.
const std::vector<InputFormatRecord>& InputRegistry();
const std::vector<OutputFormatRecord>& OutputRegistry();

// nullptr for an unknown key (exact match).
const InputFormatRecord* FindInputExtension(const std::string& extension);
const OutputFormatRecord* FindOutputFormat(const std::string& key);

// Extensions of the product's input formats, in registry order.
const std::vector<std::string>& InputExtensions();
void BuildInputExtensions();

// "JPG (JPEG File Format)".
std::string OutputFormatDisplayName(const OutputFormatRecord& record);
// The registry's bit depths of a format as numbers; empty for unknown keys.
std::vector<int> AllowedBitDepths(const std::string& formatKey);
