#pragma once
// Replacing a file without ever leaving a partial one: the new content is
// written to a temporary file beside the target, which is renamed over the
// target only when every byte reached the disk. A symbolic link is followed
// (the file it names is replaced, the link stays); a write-protected file,
// or anything at the path that is not a regular file, is left alone, as is
// the target whenever writing fails. An existing file keeps its permissions
// and, where possible, its owner.
#include <cstdio>
#include <functional>
#include <string>

// `write` fills the open temporary file and says whether it succeeded.
bool ReplaceFileSafely(const std::string& path, const std::function<bool(FILE*)>& write);
