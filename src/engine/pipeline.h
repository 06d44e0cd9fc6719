#pragma once
// The conversion of one input file into one output file.
#include <string>

#include "engine/bitmap.h"

// The decoder's intermediate file for an input: the work folder followed by
// the input's name without its last extension and ".tga".
std::string IntermediatePath(const std::string& input);
// Index of the decode to run again when the first picture is a long strip
// (ratio above 1.6 with a shorter side of 2048, 1024 or 512); 0 for none.
int ReloadIndex(unsigned width, unsigned height);
// The decoded picture: the intermediate TGA when the decoder left one that
// loads, else the input through FreeImage's PhotoCD reader (only for files
// that look like PhotoCD image packs).
Bitmap LoadDecoded(const std::string& input, const std::string& intermediate);
// Converts g_job.CurrentInput; true when the output file was saved.
bool ConvertFile();
