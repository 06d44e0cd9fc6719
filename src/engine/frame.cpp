#include "engine/frame.h"

#include <algorithm>
#include <vector>

#include "app/settings.h"
#include "engine/color.h"
#include "engine/overlay.h"
#include "engine/svg_path.h"
#include "platform/drawing.h"

namespace {

std::string N(int value) { return std::to_string(value); }
// "-" and the number, as the path texts write a step back; a negative step
// (bands wider than half the image) becomes a proper positive number
// instead of "--20", which no path reader accepts.
std::string Minus(int value) { return value >= 0 ? "-" + N(value) : N(-value); }

void SetColor(cairo_t* context, const std::string& colorText) {
  SetSourceColor(context, ParseColorAlpha(colorText, 255));
}

void FillRectangle(cairo_t* context, int x, int y, int width, int height, const std::string& color) {
  SetColor(context, color);
  cairo_rectangle(context, x, y, width, height);
  cairo_fill(context);
}

void FillPath(cairo_t* context, const std::string& pathText, const std::string& color) {
  std::vector<PathCommand> commands;
  if (!ParseSvgPath(pathText, commands)) return;
  for (const PathCommand& command : commands) {
    switch (command.kind) {
      case PathCommand::MoveTo: cairo_move_to(context, command.x, command.y); break;
      case PathCommand::LineBy: cairo_rel_line_to(context, command.x, command.y); break;
      case PathCommand::Close: cairo_close_path(context); break;
    }
  }
  SetColor(context, color);
  cairo_fill(context);
}

Surface DrawFrameLayer(int width, int height, const FrameWidths& widths) {
  const FrameSettings& frame = g_settings.Frame;
  Surface layer = NewTransparentSurface(width, height);
  DrawingContext context = layer ? NewDrawingContext(layer) : nullptr;
  if (!context) return nullptr;
  cairo_t* cr = context.get();
  cairo_set_antialias(cr, CAIRO_ANTIALIAS_DEFAULT);
  // Corner squares first, so no seam shows where two bands meet.
  FillRectangle(cr, 0, 0, widths.left, widths.top, frame.SolidTopColor);
  FillRectangle(cr, width - widths.right, 0, widths.right, widths.top, frame.SolidRightColor);
  FillRectangle(cr, width - widths.right, height - widths.bottom, widths.right, widths.bottom, frame.SolidBottomColor);
  FillRectangle(cr, 0, height - widths.bottom, widths.left, widths.bottom, frame.SolidLeftColor);
  const std::array<std::string, 4> paths = FrameBandPaths(width, height, widths);
  const std::string* colors[4] = {&frame.SolidTopColor, &frame.SolidRightColor, &frame.SolidBottomColor,
                                  &frame.SolidLeftColor};
  for (size_t band = 0; band < paths.size(); ++band) FillPath(cr, paths[band], *colors[band]);
  if (frame.SolidOpacity == 255) return layer;
  return WithConstantOpacity(layer, std::clamp(frame.SolidOpacity, 0, 255));
}

// The parts of the image the bands can cover, without overlaps, so each
// pixel is composited once. Negative widths turn bands inwards: then the
// whole image is one part.
std::vector<Region> FrameRegions(int width, int height, const FrameWidths& widths) {
  if (widths.left < 0 || widths.right < 0 || widths.top < 0 || widths.bottom < 0) return {{0, 0, width, height}};
  const int top = std::min(widths.top, height);
  const int bottomStart = std::clamp(height - widths.bottom, top, height);
  const int left = std::min(widths.left, width);
  const int rightStart = std::clamp(width - widths.right, left, width);
  const Region candidates[] = {{0, 0, width, top},
                               {0, bottomStart, width, height - bottomStart},
                               {0, top, left, bottomStart - top},
                               {rightStart, top, width - rightStart, bottomStart - top}};
  std::vector<Region> regions;
  for (const Region& region : candidates)
    if (region.width > 0 && region.height > 0) regions.push_back(region);
  return regions;
}

}  // namespace

std::array<std::string, 4> FrameBandPaths(int width, int height, const FrameWidths& widths) {
  const int w = width, h = height, L = widths.left, R = widths.right, T = widths.top, B = widths.bottom;
  return {
      "M 0 0 l " + N(w) + " 0 l " + Minus(R) + " " + N(T) + " l " + Minus(w - L - R) + " 0 Z",
      "M " + N(w) + " 0 l 0 " + N(h) + " l " + Minus(R) + " " + Minus(B) + " l 0 " + Minus(h - T - B) + " Z",
      "M " + N(w) + " " + N(h) + " l " + Minus(w) + " 0 l " + N(L) + " " + Minus(B) + " l " + N(w - L - R) + " 0 Z",
      "M 0 " + N(h) + " l 0 " + Minus(h) + " l " + N(L) + " " + N(T) + " l 0 " + N(h - T - B) + " Z",
  };
}

Bitmap FrameStep(Bitmap bitmap, int width, int height) {
  const uint8_t kind = g_settings.Frame.DoFrame;
  if (!bitmap || kind == 0) return bitmap;
  if (BitsPerPixel(bitmap) != 24) bitmap = ConvertTo24(std::move(bitmap));
  if (kind != 1 || !bitmap) return bitmap;
  const FrameSettings& frame = g_settings.Frame;
  const FrameWidths widths{frame.SolidLeft, frame.SolidRight, frame.SolidTop, frame.SolidBottom};
  Surface layer = DrawFrameLayer(width, height, widths);
  if (!layer) return bitmap;
  for (const Region& region : FrameRegions(width, height, widths)) {
    Bitmap part = BitmapFromSurface(layer.get(), region);
    if (!CompositeOver(bitmap.get(), part.get(), region.x, region.y)) return nullptr;
  }
  return bitmap;
}
