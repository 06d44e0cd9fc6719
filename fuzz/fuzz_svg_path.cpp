// The path text the frame is drawn from.
#include <vector>

#include "engine/svg_path.h"
#include "fuzz_support.h"

FUZZ_TARGET(svg_path) {
  std::vector<PathCommand> commands;
  ParseSvgPath(FuzzText(data, size), commands);
  return 0;
}
