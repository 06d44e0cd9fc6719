#include "engine/bit_depth.h"

#include "app/formats.h"
#include "app/job_state.h"

namespace {

// Formats whose 8-bit form is greyscale rather than a colour palette.
bool HasGreyscaleEightBits(const std::string& format) {
  return format == "jpg" || format == "j2k" || format == "jp2" || format == "jxr";
}

// Formats that store 16-bit pixels as 5-5-5 rather than 5-6-5.
bool HasFiveBitGreen(const std::string& format) { return format == "ico" || format == "tga"; }

Bitmap ToEightBits(Bitmap bitmap, const std::string& format) {
  if (HasGreyscaleEightBits(format)) return Bitmap(FreeImage_ConvertTo8Bits(bitmap.get()));
  if (BitsPerPixel(bitmap) != 24) bitmap = ConvertTo24(std::move(bitmap));
  if (!bitmap) return bitmap;
  return Bitmap(FreeImage_ColorQuantizeEx(bitmap.get(), FIQ_WUQUANT, 256, 0, nullptr));
}

Bitmap ToSixteenBits(Bitmap bitmap, const std::string& format) {
  if (BitsPerPixel(bitmap) > 32) bitmap = ConvertTo24(std::move(bitmap));
  if (!bitmap) return bitmap;
  if (HasFiveBitGreen(format)) return Bitmap(FreeImage_ConvertTo16Bits555(bitmap.get()));
  return Bitmap(FreeImage_ConvertTo16Bits565(bitmap.get()));
}

Bitmap ToDepth(Bitmap bitmap, int depth, const std::string& format) {
  switch (depth) {
    case 1: return Bitmap(FreeImage_Dither(bitmap.get(), FID_FS));
    case 4: return Bitmap(FreeImage_ConvertTo4Bits(bitmap.get()));
    case 8: return ToEightBits(std::move(bitmap), format);
    case 16: return ToSixteenBits(std::move(bitmap), format);
    case 24: return ConvertTo24(std::move(bitmap));
    case 32: return Bitmap(FreeImage_ConvertTo32Bits(bitmap.get()));
    case 48: return Bitmap(FreeImage_ConvertToRGB16(bitmap.get()));
    case 96: return Bitmap(FreeImage_ConvertToRGBF(bitmap.get()));
    default: return nullptr;
  }
}

}  // namespace

int ChooseBitDepth(const std::string& format, int sourceBitDepth) {
  const std::vector<int> depths = AllowedBitDepths(format);
  for (int depth : depths)
    if (depth >= sourceBitDepth) return depth;
  return depths.empty() ? 0 : depths.back();
}

Bitmap BitDepthStep(Bitmap bitmap) {
  // The depth of the image as loaded decides, not that of the current bitmap,
  // which the tone steps may have lowered.
  if (g_job.AutoBitDepth)
    g_job.OutputBitDepth = ChooseBitDepth(g_job.OutputFormat, g_job.SourceBitDepth);
  if (!bitmap) return bitmap;
  if (BitsPerPixel(bitmap) == static_cast<unsigned>(g_job.OutputBitDepth)) return bitmap;
  return ToDepth(std::move(bitmap), g_job.OutputBitDepth, g_job.OutputFormat);
}
