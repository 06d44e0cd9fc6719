#include <algorithm>
#include <cstring>

#include "canvas.h"
#include "writers.h"

namespace {

struct Strip {
  std::vector<const std::string*> pngs;
  int zoom;
};

struct ReadCursor {
  const std::string* bytes;
  size_t at;
};

cairo_status_t ReadBytes(void* source, unsigned char* data, unsigned int length) {
  ReadCursor& cursor = *static_cast<ReadCursor*>(source);
  if (cursor.bytes->size() - cursor.at < length) return CAIRO_STATUS_READ_ERROR;
  std::memcpy(data, cursor.bytes->data() + cursor.at, length);
  cursor.at += length;
  return CAIRO_STATUS_SUCCESS;
}

SurfaceHandle Decode(const std::string& png) {
  ReadCursor cursor{&png, 0};
  return SurfaceHandle(cairo_image_surface_create_from_png_stream(ReadBytes, &cursor));
}

constexpr int kGap = 8;

int StripHeight(const Strip& strip) {
  int height = 0;
  for (const std::string* png : strip.pngs)
    height = std::max(height, cairo_image_surface_get_height(Decode(*png).get()));
  return height * strip.zoom;
}

int StripWidth(const Strip& strip) {
  int width = 0;
  for (const std::string* png : strip.pngs)
    width += cairo_image_surface_get_width(Decode(*png).get()) * strip.zoom + kGap;
  return width;
}

void DrawStrip(cairo_t* cr, const Strip& strip, int top) {
  int left = kGap;
  for (const std::string* png : strip.pngs) {
    SurfaceHandle picture = Decode(*png);
    const int w = cairo_image_surface_get_width(picture.get());
    cairo_save(cr);
    cairo_translate(cr, left, top);
    cairo_scale(cr, strip.zoom, strip.zoom);
    cairo_set_source_surface(cr, picture.get(), 0, 0);
    cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_NEAREST);
    cairo_paint(cr);
    cairo_restore(cr);
    left += w * strip.zoom + kGap;
  }
}

std::vector<const std::string*> PackagePictures(const std::vector<PackageFile>& package, const std::string& suffix) {
  std::vector<const std::string*> pngs;
  for (const PackageFile& file : package)
    if (file.name.ends_with(suffix)) pngs.push_back(&file.data);
  return pngs;
}

}  // namespace

bool WriteContactSheet(const std::string& path, const std::vector<BuiltInPicture>& builtIn,
                       const std::vector<PackageFile>& package, const std::vector<ProgramIcon>& programIcons) {
  std::vector<const std::string*> icons, others;
  for (const BuiltInPicture& picture : builtIn) (picture.set == "Icons" ? icons : others).push_back(&picture.png);
  std::vector<Strip> strips = {{icons, 1}, {icons, 4}, {others, 1}};
  for (const char* size : {"_16.png", "_24.png", "_32.png", "_48.png", "_64.png"})
    strips.push_back({PackagePictures(package, size), 1});
  strips.push_back({PackagePictures(package, "_16.png"), 4});
  strips.push_back({PackagePictures(package, "convert_button.png"), 1});
  std::vector<const std::string*> programPngs;
  for (const ProgramIcon& icon : programIcons) programPngs.push_back(&icon.png);
  strips.push_back({programPngs, 1});

  int width = 0, height = kGap;
  for (const Strip& strip : strips) {
    width = std::max(width, StripWidth(strip) + kGap);
    height += StripHeight(strip) + kGap;
  }
  Canvas canvas;
  if (!NewCanvas(width, height, canvas)) return false;
  cairo_t* cr = canvas.context.get();
  cairo_set_source_rgb(cr, 0.93, 0.93, 0.93);
  cairo_paint(cr);
  int top = kGap;
  for (const Strip& strip : strips) {
    DrawStrip(cr, strip, top);
    top += StripHeight(strip) + kGap;
  }
  return cairo_surface_write_to_png(canvas.surface.get(), path.c_str()) == CAIRO_STATUS_SUCCESS;
}
