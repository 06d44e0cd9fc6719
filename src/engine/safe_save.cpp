#include "engine/safe_save.h"

#include "platform/files.h"
#include "platform/safe_replace.h"

namespace {

struct OutputFile {
  FILE* stream = nullptr;
  bool failed = false;
};

unsigned DLL_CALLCONV WriteProc(void* buffer, unsigned size, unsigned count, fi_handle handle) {
  auto* file = static_cast<OutputFile*>(handle);
  const size_t written = std::fwrite(buffer, size, count, file->stream);
  if (written != count) file->failed = true;
  return unsigned(written);
}

unsigned DLL_CALLCONV ReadProc(void* buffer, unsigned size, unsigned count, fi_handle handle) {
  return unsigned(std::fread(buffer, size, count, static_cast<OutputFile*>(handle)->stream));
}

int DLL_CALLCONV SeekProc(fi_handle handle, long offset, int origin) {
  return std::fseek(static_cast<OutputFile*>(handle)->stream, offset, origin);
}

long DLL_CALLCONV TellProc(fi_handle handle) { return std::ftell(static_cast<OutputFile*>(handle)->stream); }

}  // namespace

bool SaveBitmapSafely(FREE_IMAGE_FORMAT format, FIBITMAP* bitmap, const std::string& path, int flags) {
  if (!bitmap) return false;
  return ReplaceFileSafely(path, [&](FILE* stream) {
    OutputFile file{stream};
    FreeImageIO io{ReadProc, WriteProc, SeekProc, TellProc};
    return FreeImage_SaveToHandle(format, bitmap, &io, &file, flags) && !file.failed;
  });
}
