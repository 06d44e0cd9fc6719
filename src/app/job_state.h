#pragma once
// The record of the current job, shared by the run preparation, the worker
// and the pipeline.
#include <cstdint>
#include <string>

struct JobState {
  std::string ProgramFolder;
  std::string CurrentInput;
  std::string InputPath;
  std::string CurrentSubfolder;
  std::string OutputPath;
  std::string OutputFolder;
  int32_t RandomNumber = 0;
  int32_t Counter = 0;
  std::string InputFormat;
  int32_t SourceBitDepth = 0;
  int32_t OutputFormatId = 0;
  std::string OutputFormat;
  int32_t OutputBitDepth = 0;
  int32_t SaveFlags = 0;
  bool AutoBitDepth = false;
  int32_t RebuildKind = 0;
  bool ConsoleInputGiven = false;
  std::string RunMarker;
  int32_t ResultWidth = 0;
  int32_t ResultHeight = 0;
  uint8_t PreferencesStartPage = 0;
};

extern JobState g_job;

// A new random value of the "%rnd%" variable.
int32_t NewRandomNumber();
// Initial state: everything empty or 0 but ProgramFolder, a fresh random
// number, Counter 1 and the RunMarker kept; empties the input set and
// rebuilds the accepted input extensions.
void ResetJobState();
