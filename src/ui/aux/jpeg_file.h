#pragma once
// Writing an RGB picture as a baseline JPEG file with libjpeg.
#include <cstdint>
#include <string>

// rows: height rows of width x 3 bytes (R, G, B), `stride` bytes apart.
// quality on libjpeg's scale 0..100. False when the file cannot be written;
// a file already at path is replaced only by a complete one.
bool WriteJpegFile(const std::string& path, const uint8_t* rows, int width, int height, int stride, int quality);
