#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

int64_t FileSize(const std::string& path) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) return -1;
  return int64_t(info.st_size);
}

bool PathExists(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0;
}

bool IsFolder(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool IsRegularFile(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool IsNonEmptyFile(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0;
}

bool DeleteFile(const std::string& path) { return unlink(path.c_str()) == 0; }

bool CreateFolder(const std::string& path) { return mkdir(path.c_str(), 0777) == 0; }

bool CreateFolderTree(const std::string& path) {
  std::error_code error;
  std::filesystem::create_directories(path, error);
  return !error && IsFolder(path);
}

bool IsSameFile(const std::string& a, const std::string& b) {
  struct stat first {}, second {};
  if (stat(a.c_str(), &first) != 0 || stat(b.c_str(), &second) != 0) return false;
  return first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

bool GetModificationTime(const std::string& path, struct timespec& time) {
  struct stat info {};
  if (stat(path.c_str(), &info) != 0) return false;
  time = info.st_mtim;
  return true;
}

bool SetModificationTime(const std::string& path, const struct timespec& time) {
  const struct timespec times[2] = {{0, UTIME_OMIT}, time};
  return utimensat(AT_FDCWD, path.c_str(), times, 0) == 0;
}

std::string MakeTemporaryFolder(const std::string& prefix) {
  std::error_code error;
  std::string base = std::filesystem::temp_directory_path(error).string();
  if (error || base.empty()) base = "/tmp";
  std::string pattern = WithTrailingSlash(base) + prefix + "XXXXXX";
  if (!mkdtemp(pattern.data())) return "";
  return pattern + "/";
}

void RemoveFolderTree(const std::string& path) {
  std::error_code error;
  std::filesystem::remove_all(path, error);
}

std::string CurrentFolder() {
  std::error_code error;
  const std::string folder = std::filesystem::current_path(error).string();
  return error ? "/" : WithTrailingSlash(folder);
}

std::string AbsolutePath(const std::string& path) {
  if (!path.empty() && path[0] == '/') return path;
  return CurrentFolder() + path;
}

std::string FolderPart(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? "" : path.substr(0, slash + 1);
}

std::string FilePart(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string NameWithoutExtension(const std::string& path) {
  const std::string name = FilePart(path);
  const size_t dot = name.rfind('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string ExtensionOf(const std::string& path) {
  const std::string name = FilePart(path);
  const size_t dot = name.rfind('.');
  return dot == std::string::npos ? "" : name.substr(dot + 1);
}

std::string WithTrailingSlash(const std::string& folder) {
  return (!folder.empty() && folder.back() == '/') ? folder : folder + "/";
}
