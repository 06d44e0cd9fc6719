#include "platform/safe_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "platform/files.h"

namespace {

// A chain of links longer than this is taken for a loop.
constexpr int kMaxLinkHops = 40;

// The file a path finally names; "" for a loop.
std::string LinkTarget(std::string path) {
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    struct stat info {};
    if (lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
    std::error_code error;
    const std::string target = std::filesystem::read_symlink(path, error).string();
    if (error || target.empty()) return "";
    path = target.front() == '/' ? target : FolderPart(path) + target;
  }
  return "";
}

// The mode a plainly created file would get: 0666 less the umask.
mode_t NewFileMode() {
  static const mode_t mask = [] {
    const mode_t current = umask(022);
    umask(current);
    return current;
  }();
  return 0666 & ~mask;
}

void SyncFolder(const std::string& folder) {
  const int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  fsync(fd);
  close(fd);
}

// Writes through `write`, then flushes and syncs; the stream is closed on
// every path.
bool WriteAndClose(int fd, const std::function<bool(FILE*)>& write) {
  FILE* stream = fdopen(fd, "wb");
  if (!stream) {
    close(fd);
    return false;
  }
  const bool written = write(stream) && std::fflush(stream) == 0 && !std::ferror(stream) && fsync(fd) == 0;
  const bool closed = std::fclose(stream) == 0;
  return written && closed;
}

}  // namespace

bool ReplaceFileSafely(const std::string& requestedPath, const std::function<bool(FILE*)>& write) {
  const std::string path = LinkTarget(requestedPath);
  if (path.empty() || FilePart(path).empty()) return false;
  struct stat existing {};
  const bool exists = stat(path.c_str(), &existing) == 0;
  if (exists && (!S_ISREG(existing.st_mode) || access(path.c_str(), W_OK) != 0)) return false;
  std::string temporary = FolderPart(path) + "." + FilePart(path) + "-XXXXXX";
  const int fd = mkstemp(temporary.data());
  if (fd < 0) return false;
  fchmod(fd, exists ? existing.st_mode & 07777 : NewFileMode());
  if (exists) {
    // Keeps the owner when an administrator saves a user's file; refused
    // for anyone else, which changes nothing.
    [[maybe_unused]] const int ownerKept = fchown(fd, existing.st_uid, existing.st_gid);
  }
  if (WriteAndClose(fd, write) && std::rename(temporary.c_str(), path.c_str()) == 0) {
    SyncFolder(FolderPart(path));
    return true;
  }
  DeleteFile(temporary);
  return false;
}
