#pragma once
// The input set of a run (one file) and the history of output folders.
#include <cstdint>
#include <map>
#include <string>

struct InputEntry {
  int32_t Added = 0;
  std::string Subfolder;
};

using InputSet = std::map<std::string, InputEntry>;

const InputSet& CurrentInputSet();
void ClearInputSet();

// The lower-cased extension is one of the accepted input extensions.
bool IsSupportedInput(const std::string& extension);
// The file qualifies by size (not 0) and extension.
bool QualifiesAsInput(const std::string& path);
// Folder part of path with every occurrence of base removed, when it holds
// base; "" otherwise or when either is empty.
std::string RelativeSubfolder(const std::string& path, const std::string& base);
// Empties the input set and admits path when it qualifies.
bool AdmitInput(const std::string& path);
// AdmitInput, then in a windowed run the main window's steps.
bool AddInputFile(const std::string& path);
// Called after a windowed admission (not in a console run) so the main
// window can show the file and pick an output folder.
void SetInputAdmittedHandler(void (*handler)(const std::string& path));

// Entry i (from 0) of [File] Recent Out Folders, trimmed; "" when absent.
std::string RecentOutFolder(int index);
// Puts folder at the head of the history, dropping an older copy (any letter
// case) and entries beyond [Advanced] Out Folders Number.
bool AddRecentOutFolder(const std::string& folder);
