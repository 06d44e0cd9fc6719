#pragma once
// What the conversion worker publishes for its consumer.
#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>

struct ProgressState {
  int32_t CurrentIndex = 0;
  std::string CurrentFile;
  int64_t LastDuration = 0;
  int32_t ConvertedCount = 0;
  // Written under ProgressLock, read by the worker without it.
  std::atomic<bool> KeepRunning{true};
};

extern ProgressState g_progress;
// Guards every field of g_progress but KeepRunning's reads.
extern std::mutex ProgressLock;

// Shortest duration published for a converted file.
inline constexpr int64_t kMinimumFileDuration = 1000;
