#include "batch/worker.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <mutex>

#include "app/job_state.h"
#include "app/settings.h"
#include "batch/file_type.h"
#include "batch/input_set.h"
#include "batch/progress.h"
#include "engine/pipeline.h"
#include "platform/clock.h"
#include "platform/console.h"
#include "platform/files.h"

namespace {

std::atomic<bool> g_finished{true};
std::mutex g_holdMutex;
std::condition_variable g_holdChanged;
bool g_held = false;

void WaitWhileHeld() {
  std::unique_lock lock(g_holdMutex);
  g_holdChanged.wait(lock, [] { return !g_held; });
}

void ApplyFileTimestamp(const std::string& output, const std::string& input) {
  struct timespec time {};
  switch (g_settings.Advanced.FileTimestamp) {
    case 1:
      if (!GetModificationTime(input, time)) return;
      break;
    case 2:
      time.tv_sec = TimeFromLocalDate(g_settings.Advanced.CustomTimestamp);
      break;
    default:
      return;
  }
  SetModificationTime(output, time);
}

}  // namespace

int ConversionWorker() {
  const bool debug = g_job.ConsoleInputGiven && g_job.RunMarker == "DEBUG";
  int32_t started = 0, converted = 0;
  int64_t duration = 0;

  for (const auto& [path, entry] : CurrentInputSet()) {
    WaitWhileHeld();
    if (!g_progress.KeepRunning) break;
    ++started;
    g_job.CurrentInput = path;
    g_job.CurrentSubfolder = entry.Subfolder;
    {
      std::lock_guard lock(ProgressLock);
      g_progress.CurrentIndex = started;
      g_progress.CurrentFile = g_job.CurrentInput;
      g_progress.LastDuration = duration;
    }
    if (debug) {
      ConsoleWriteLine("Processing: " + path);
      ConsoleWriteLine("File Format: " + IdentifyFileType(path));
    }
    const int64_t begin = MillisecondClock();
    if (!ConvertFile()) {
      duration = 0;
      if (debug) ConsoleWriteLine("[ERROR] Unable to convert the file!");
      continue;
    }
    if (debug) ConsoleWriteLine("[OK] Saving As: " + g_job.OutputPath);
    ++converted;
    duration = std::max(MillisecondClock() - begin, kMinimumFileDuration);
    g_job.RandomNumber = NewRandomNumber();
    ++g_job.Counter;
    ApplyFileTimestamp(g_job.OutputPath, g_job.CurrentInput);
  }

  {
    std::lock_guard lock(ProgressLock);
    g_progress.ConvertedCount = converted;
  }
  g_finished = true;
  return 0;
}

void WorkerRun::Start() {
  Wait();
  {
    std::lock_guard lock(ProgressLock);
    g_progress.CurrentIndex = 0;
    g_progress.CurrentFile.clear();
    g_progress.LastDuration = 0;
    g_progress.ConvertedCount = 0;
    g_progress.KeepRunning = true;
  }
  g_finished = false;
  thread_ = std::thread(ConversionWorker);
}

bool WorkerRun::Finished() const { return g_finished; }

void WorkerRun::Wait() {
  if (thread_.joinable()) thread_.join();
}

void RequestWorkerStop() {
  std::lock_guard lock(ProgressLock);
  g_progress.KeepRunning = false;
}

void HoldWorker() {
  std::lock_guard lock(g_holdMutex);
  g_held = true;
}

void ResumeWorker() {
  {
    std::lock_guard lock(g_holdMutex);
    g_held = false;
  }
  g_holdChanged.notify_all();
}
