#pragma once
// A decoded picture, in the form the window code turns into a pixmap.
#include <cstdint>
#include <vector>

// Rows top to bottom, four bytes per pixel in the order R, G, B, A; colours
// are not premultiplied by alpha. 0 x 0 without bytes when there is none.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgba;

  bool IsEmpty() const { return rgba.empty(); }
  bool operator==(const Picture&) const = default;
};
