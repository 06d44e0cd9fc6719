#include "engine/watermark.h"

#include "app/settings.h"
#include "engine/naming.h"
#include "engine/overlay.h"
#include "engine/picture_layer.h"
#include "engine/text_block.h"
#include "engine/watermark_font.h"

namespace {

struct TypeSettings {
  int boundary, position, xOffset, yOffset, rotation;
};

TypeSettings SettingsOfType(uint8_t type) {
  const WatermarkSettings& w = g_settings.Watermark;
  if (type == 1) return {w.TextBoundary, w.TextPosition, w.TextXOffset, w.TextYOffset, w.TextRotation};
  return {w.ImageBoundary, w.ImagePosition, w.ImageXOffset, w.ImageYOffset, w.ImageRotation};
}

Surface DrawLayer(uint8_t type) {
  const WatermarkSettings& watermark = g_settings.Watermark;
  if (type == 1) {
    const WatermarkFont* font = CurrentWatermarkFont();
    return font ? DrawTextBlock(ExpandWatermarkText(), *font) : nullptr;
  }
  if (type == 2) return DrawPictureLayer(watermark.Image, watermark.ImageGreyscale != 0, watermark.ImageOpacity);
  return nullptr;
}

}  // namespace

WatermarkArea AvailableArea(int imageWidth, int imageHeight, int boundary) {
  const FrameSettings& frame = g_settings.Frame;
  if (boundary != 1 || frame.DoFrame == 0) return {0, 0, imageWidth, imageHeight};
  return {frame.SolidLeft, frame.SolidTop, imageWidth - frame.SolidLeft - frame.SolidRight,
          imageHeight - frame.SolidTop - frame.SolidBottom};
}

WatermarkPlacement PlaceWatermark(int layerWidth, int layerHeight, const WatermarkArea& area, int position,
                                  int xOffset, int yOffset) {
  WatermarkPlacement placement{layerWidth, layerHeight};
  if (layerWidth + xOffset > area.width) placement.width = area.width - xOffset;
  if (layerHeight + yOffset > area.height) placement.height = area.height - yOffset;
  if (placement.width <= 0 || placement.height <= 0) return {};
  const int lw = placement.width, lh = placement.height, aw = area.width, ah = area.height;
  const int centreX = (aw - lw) / 2, centreY = (ah - lh) / 2, right = aw - lw - xOffset, bottom = ah - lh - yOffset;
  const int xs[9] = {xOffset, centreX, right, xOffset, centreX, right, xOffset, centreX, right};
  const int ys[9] = {yOffset, yOffset, yOffset, centreY, centreY, centreY, bottom, bottom, bottom};
  if (position >= 0 && position < 9) {
    placement.x = xs[position];
    placement.y = ys[position];
  }
  placement.x += area.x;
  placement.y += area.y;
  return placement;
}

Bitmap WatermarkStep(Bitmap bitmap, int width, int height) {
  const uint8_t type = g_settings.Watermark.DoWatermark;
  if (!bitmap || type == 0) return bitmap;
  if (BitsPerPixel(bitmap) != 24) bitmap = ConvertTo24(std::move(bitmap));
  if (!bitmap) return bitmap;
  Surface surface = DrawLayer(type);
  if (!surface) return bitmap;
  Bitmap layer = BitmapFromSurface(surface.get());
  const TypeSettings settings = SettingsOfType(type);
  if (layer && settings.rotation > 0 && settings.rotation < 360)
    layer = Bitmap(FreeImage_Rotate(layer.get(), settings.rotation, nullptr));
  if (!layer) return bitmap;

  const WatermarkPlacement placement =
      PlaceWatermark(int(WidthOf(layer)), int(HeightOf(layer)), AvailableArea(width, height, settings.boundary),
                     settings.position, settings.xOffset, settings.yOffset);
  if (placement.width <= 0) return bitmap;
  if (placement.width != int(WidthOf(layer)) || placement.height != int(HeightOf(layer)))
    layer = Bitmap(FreeImage_Copy(layer.get(), 0, 0, placement.width, placement.height));
  // A layer that does not fit at its place is not laid on, and the image
  // stays as it is.
  if (layer) CompositeOver(bitmap.get(), layer.get(), placement.x, placement.y);
  return bitmap;
}
