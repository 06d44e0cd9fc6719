#include "batch/input_set.h"

#include <algorithm>

#include "app/formats.h"
#include "app/job_state.h"
#include "app/settings.h"
#include "app/text_util.h"
#include "platform/files.h"

namespace {
InputSet g_inputSet;
void (*g_inputAdmitted)(const std::string&) = nullptr;
}  // namespace

const InputSet& CurrentInputSet() { return g_inputSet; }

void ClearInputSet() { g_inputSet.clear(); }

bool IsSupportedInput(const std::string& extension) {
  const std::string lower = AsciiLower(extension);
  const auto& accepted = InputExtensions();
  return std::find(accepted.begin(), accepted.end(), lower) != accepted.end();
}

bool QualifiesAsInput(const std::string& path) {
  return FileSize(path) != 0 && IsSupportedInput(ExtensionOf(path));
}

std::string RelativeSubfolder(const std::string& path, const std::string& base) {
  if (path.empty() || base.empty()) return "";
  const std::string folder = FolderPart(path);
  if (folder.find(base) == std::string::npos) return "";
  std::string rest;
  size_t start = 0;
  for (size_t at; (at = folder.find(base, start)) != std::string::npos; start = at + base.size())
    rest += folder.substr(start, at - start);
  return rest + folder.substr(start);
}

namespace {
// The set of the one file, checked by the caller.
void ReplaceInputSet(const std::string& path) {
  g_inputSet.clear();
  g_inputSet[path] = InputEntry{1, RelativeSubfolder(path, g_job.InputPath)};
}
}  // namespace

bool AdmitInput(const std::string& path) {
  if (!QualifiesAsInput(path)) {
    g_inputSet.clear();
    return false;
  }
  ReplaceInputSet(path);
  return true;
}

bool AddInputFile(const std::string& path) {
  if (!QualifiesAsInput(path)) return false;
  ReplaceInputSet(path);
  if (!g_job.ConsoleInputGiven && g_inputAdmitted) g_inputAdmitted(path);
  return true;
}

void SetInputAdmittedHandler(void (*handler)(const std::string& path)) { g_inputAdmitted = handler; }

std::string RecentOutFolder(int index) {
  const std::string& list = g_settings.File.RecentOutFolders;
  size_t start = 0;
  for (int field = 0; field < index; ++field) {
    start = list.find('\t', start);
    if (start == std::string::npos) return "";
    ++start;
  }
  const size_t end = list.find('\t', start);
  return Trim(list.substr(start, end == std::string::npos ? std::string::npos : end - start));
}

bool AddRecentOutFolder(const std::string& folder) {
  if (folder.empty()) return false;
  const int limit = g_settings.Advanced.OutFoldersNumber;
  std::string list = folder;
  int entries = 1;
  for (int i = 0; i < limit; ++i) {
    const std::string old = RecentOutFolder(i);
    if (!old.empty() && entries < limit && !EqualsIgnoreCase(old, folder)) {
      list += "\t" + old;
      ++entries;
    }
  }
  g_settings.File.RecentOutFolders = list;
  return true;
}
