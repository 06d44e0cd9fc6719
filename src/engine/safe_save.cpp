#include "engine/safe_save.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <memory>

#include "platform/files.h"

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

// The mode a plainly created file would get: 0666 less the umask.
mode_t NewFileMode() {
  static const mode_t mask = [] {
    const mode_t current = umask(022);
    umask(current);
    return current;
  }();
  return 0666 & ~mask;
}

bool WriteImage(FREE_IMAGE_FORMAT format, FIBITMAP* bitmap, int fd, int flags) {
  OutputFile file{fdopen(fd, "wb")};
  if (!file.stream) {
    close(fd);
    return false;
  }
  FreeImageIO io{ReadProc, WriteProc, SeekProc, TellProc};
  const bool saved = FreeImage_SaveToHandle(format, bitmap, &io, &file, flags);
  const bool flushed = std::fflush(file.stream) == 0 && !std::ferror(file.stream);
  const bool closed = std::fclose(file.stream) == 0;
  return saved && !file.failed && flushed && closed;
}

}  // namespace

bool SaveBitmapSafely(FREE_IMAGE_FORMAT format, FIBITMAP* bitmap, const std::string& path, int flags) {
  if (!bitmap || path.empty() || FilePart(path).empty()) return false;
  // A write-protected file is the user's "do not touch"; replacing it by
  // rename would slip past the protection.
  if (PathExists(path) && access(path.c_str(), W_OK) != 0) return false;
  std::string temporary = FolderPart(path) + ".velmora-XXXXXX";
  const int fd = mkstemp(temporary.data());
  if (fd < 0) return false;
  fchmod(fd, NewFileMode());
  if (WriteImage(format, bitmap, fd, flags) && std::rename(temporary.c_str(), path.c_str()) == 0) return true;
  DeleteFile(temporary);
  return false;
}
