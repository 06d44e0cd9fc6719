#pragma once
// File-system queries and changes, by UTF-8 path.
#include <cstdint>
#include <ctime>
#include <string>

// Size in bytes, or -1 when nothing exists at the path.
int64_t FileSize(const std::string& path);
bool PathExists(const std::string& path);
bool IsFolder(const std::string& path);
bool IsRegularFile(const std::string& path);
// A regular file with at least one byte in it.
bool IsNonEmptyFile(const std::string& path);
bool DeleteFile(const std::string& path);
bool CreateFolder(const std::string& path);
// Creates the folder and any missing parents.
bool CreateFolderTree(const std::string& path);
// Whether two paths name the same file (same device and inode).
bool IsSameFile(const std::string& a, const std::string& b);
bool GetModificationTime(const std::string& path, struct timespec& time);
bool SetModificationTime(const std::string& path, const struct timespec& time);
// A new private folder under the system's temporary folder, with a trailing
// "/", or "" on failure.
std::string MakeTemporaryFolder(const std::string& prefix);
// Removes a folder and everything in it; quiet about failures.
void RemoveFolderTree(const std::string& path);
// The current working folder with a trailing "/".
std::string CurrentFolder();
// path made absolute against the current working folder (not resolved).
std::string AbsolutePath(const std::string& path);
// Folder part including the last "/", and the file part after it.
std::string FolderPart(const std::string& path);
std::string FilePart(const std::string& path);
// The file part with everything from its last "." removed.
std::string NameWithoutExtension(const std::string& path);
// The text after the last "." of the file part; "" when there is none.
std::string ExtensionOf(const std::string& path);
std::string WithTrailingSlash(const std::string& folder);
