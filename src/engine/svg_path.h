#pragma once
// A reader for the small subset of SVG path text the frame is drawn from:
// "M x y" (absolute move), "l dx dy" (relative line), "Z" (close), with
// decimal integers separated by blanks.
#include <string_view>
#include <vector>

struct PathCommand {
  enum Kind { MoveTo, LineBy, Close } kind;
  double x = 0;
  double y = 0;
};

// False for any text outside the subset; commands is then unspecified.
bool ParseSvgPath(std::string_view text, std::vector<PathCommand>& commands);
