#include "engine/decoder.h"

#include "platform/files.h"
#include "platform/process.h"

namespace {
// ImageMagick has no 64Base decoder: asked for index 6 it only enlarges 16Base.
constexpr int kImageMagickHighestIndex = 5;
}  // namespace

DecoderProgram FindDecoder() {
  if (ProgramOnPath("convert.exe")) return {DecoderKind::UserSupplied, "convert.exe"};
  if (ProgramOnPath("magick")) return {DecoderKind::ImageMagick, "magick"};
  if (ProgramOnPath("convert")) return {DecoderKind::ImageMagick, "convert"};
  return {DecoderKind::Missing, ""};
}

std::vector<std::string> DecoderArguments(const DecoderProgram& decoder, const std::string& input,
                                          int index, const std::string& intermediate) {
  std::vector<std::string> arguments = {"-quiet", "-colorspace", "sRGB",
                                        AbsolutePath(input) + "[" + std::to_string(index) + "]"};
  // ImageMagick 6 writes top-row-first TGA data under a bottom-left header
  // unless told the orientation, and FreeImage then reads it upside down.
  if (decoder.kind == DecoderKind::ImageMagick) arguments.insert(arguments.end(), {"-orient", "TopLeft"});
  arguments.push_back(intermediate);
  return arguments;
}

void RunDecoder(const std::string& input, int index, const std::string& intermediate) {
  const DecoderProgram decoder = FindDecoder();
  if (decoder.kind == DecoderKind::Missing) return;
  if (decoder.kind == DecoderKind::ImageMagick && index > kImageMagickHighestIndex) return;
  const int status = RunProgramAndWait(decoder.name, DecoderArguments(decoder, input, index, intermediate));
  // ImageMagick still writes an enlarged picture when the file lacks the
  // resolution, and reports it only by its status.
  if (decoder.kind == DecoderKind::ImageMagick && status != 0) DeleteFile(intermediate);
}
