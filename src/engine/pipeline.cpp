#include "engine/pipeline.h"

#include <algorithm>
#include <fstream>
#include <string_view>

#include "app/job_state.h"
#include "app/settings.h"
#include "engine/bit_depth.h"
#include "engine/bitmap_loading.h"
#include "engine/bitmap.h"
#include "engine/decoder.h"
#include "engine/frame.h"
#include "engine/geometry.h"
#include "engine/naming.h"
#include "engine/safe_save.h"
#include "engine/tone.h"
#include "engine/watermark.h"
#include "platform/clock.h"
#include "platform/files.h"

namespace {

constexpr int kFileSettleMilliseconds = 30;
constexpr int kHighestIndex = 6;

// FreeImage's PhotoCD reader checks nothing: given any file it returns a
// picture of whatever bytes lie where the base image would be. So it is
// only handed files that carry the image pack signature and are long enough
// to hold the 768 x 512 base image.
bool LooksLikePhotoCd(const std::string& path) {
  constexpr long kSignatureOffset = 2048;
  constexpr std::string_view kSignature = "PCD_IPI";
  constexpr int64_t kBaseImageEnd = 0x30000 + 768 * 512 * 3 / 2;
  if (FileSize(path) < kBaseImageEnd) return false;
  std::ifstream file(path, std::ios::binary);
  char signature[kSignature.size()] = {};
  file.seekg(kSignatureOffset);
  file.read(signature, sizeof signature);
  return file && std::string_view(signature, sizeof signature) == kSignature;
}

}  // namespace

Bitmap LoadDecoded(const std::string& input, const std::string& intermediate) {
  if (FileSize(intermediate) > 0) {
    // A decoder that crashed or wrote garbage leaves a file no reader
    // takes; the PhotoCD reader may still read the input itself.
    if (Bitmap decoded = LoadBitmapFile(FIF_TARGA, intermediate)) return decoded;
  }
  if (!LooksLikePhotoCd(input)) return nullptr;
  return Bitmap(FreeImage_Load(FIF_PCD, input.c_str(), 0));
}

namespace {

void DeleteIfPresent(const std::string& path) {
  if (PathExists(path)) DeleteFile(path);
}

// Tries falling resolution indices until the decoder leaves a file behind.
void DecodeWithFallingIndex(const std::string& input, const std::string& intermediate) {
  for (int index = kHighestIndex; !PathExists(intermediate) && index >= 0; --index) {
    RunDecoder(input, index, intermediate);
    SleepMilliseconds(kFileSettleMilliseconds);
  }
}

Bitmap ApplySteps(Bitmap bitmap) {
  bitmap = RotateStep(std::move(bitmap));
  const int rotatedWidth = int(WidthOf(bitmap)), rotatedHeight = int(HeightOf(bitmap));
  bitmap = ResizeStep(std::move(bitmap), rotatedWidth, rotatedHeight);
  g_job.ResultWidth = int32_t(WidthOf(bitmap));
  g_job.ResultHeight = int32_t(HeightOf(bitmap));
  FlipStep(bitmap.get());
  bitmap = ColorCorrectionStep(std::move(bitmap));
  bitmap = GreyscaleStep(std::move(bitmap));
  bitmap = ThresholdStep(std::move(bitmap));
  bitmap = DitherStep(std::move(bitmap));
  bitmap = FrameStep(std::move(bitmap), g_job.ResultWidth, g_job.ResultHeight);
  bitmap = WatermarkStep(std::move(bitmap), g_job.ResultWidth, g_job.ResultHeight);
  return BitDepthStep(std::move(bitmap));
}

// Never writes over the input itself, whatever the mask makes of the name.
bool SaveOutput(const Bitmap& bitmap) {
  if (IsSameFile(g_job.OutputPath, g_job.CurrentInput)) return false;
  return SaveBitmapSafely(FREE_IMAGE_FORMAT(g_job.OutputFormatId), bitmap.get(), g_job.OutputPath,
                          g_job.SaveFlags);
}

}  // namespace

std::string IntermediatePath(const std::string& input) {
  return g_settings.App.WorkFolder + NameWithoutExtension(input) + ".tga";
}

int ReloadIndex(unsigned width, unsigned height) {
  const unsigned longer = std::max(width, height), shorter = std::min(width, height);
  if (shorter == 0) return 0;
  const float ratio = float(longer) / float(shorter);
  if (!(ratio > 1.6f)) return 0;
  switch (shorter) {
    case 2048: return 5;
    case 1024: return 4;
    case 512: return 3;
    default: return 0;
  }
}

bool ConvertFile() {
  const std::string input = g_job.CurrentInput;
  const std::string intermediate = IntermediatePath(input);
  DeleteIfPresent(intermediate);
  DecodeWithFallingIndex(input, intermediate);

  Bitmap bitmap = LoadDecoded(input, intermediate);
  const unsigned width = WidthOf(bitmap), height = HeightOf(bitmap);
  g_job.SourceBitDepth = int32_t(BitsPerPixel(bitmap));
  if (width == 0 || height == 0) return false;

  if (const int reload = ReloadIndex(width, height)) {
    bitmap.reset();
    DeleteIfPresent(intermediate);
    SleepMilliseconds(kFileSettleMilliseconds);
    RunDecoder(input, reload, intermediate);
    bitmap = LoadDecoded(input, intermediate);
  }

  bitmap = ApplySteps(std::move(bitmap));
  g_job.OutputPath = BuildOutputPath();
  const bool saved = SaveOutput(bitmap);
  bitmap.reset();
  DeleteIfPresent(intermediate);
  return saved;
}
