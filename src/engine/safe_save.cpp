#include "engine/safe_save.h"

#include <memory>

#include "platform/safe_replace.h"

namespace {

struct MemoryCloser {
  void operator()(FIMEMORY* memory) const { FreeImage_CloseMemory(memory); }
};

}  // namespace

bool SaveBitmapSafely(FREE_IMAGE_FORMAT format, FIBITMAP* bitmap, const std::string& path, int flags) {
  if (!bitmap) return false;
  // Encoded in memory first: FreeImage's writers leak their line buffers
  // when a write fails half-way, and a full disk must not cost memory.
  const std::unique_ptr<FIMEMORY, MemoryCloser> memory(FreeImage_OpenMemory());
  if (!memory || !FreeImage_SaveToMemory(format, bitmap, memory.get(), flags)) return false;
  BYTE* bytes = nullptr;
  DWORD size = 0;
  if (!FreeImage_AcquireMemory(memory.get(), &bytes, &size)) return false;
  return ReplaceFileSafely(path, [&](FILE* stream) { return size == 0 || std::fwrite(bytes, 1, size, stream) == size; });
}
