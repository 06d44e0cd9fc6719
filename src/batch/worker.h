#pragma once
// The conversion worker: converts the input set on a thread of its own and
// publishes its progress in g_progress. One worker runs at a time.
#include <thread>

// The thread body; always returns 0.
int ConversionWorker();

// One run of the worker, owned by its consumer (console run or progress
// dialog). The destructor waits for the thread.
class WorkerRun {
 public:
  WorkerRun() = default;
  WorkerRun(const WorkerRun&) = delete;
  WorkerRun& operator=(const WorkerRun&) = delete;
  ~WorkerRun() { Wait(); }

  // Resets CurrentIndex, CurrentFile, LastDuration and ConvertedCount, sets
  // KeepRunning and starts the thread.
  void Start();
  // True once the worker has written ConvertedCount and is ending.
  bool Finished() const;
  void Wait();

 private:
  std::thread thread_;
};

// Asks the worker to stop after the current file.
void RequestWorkerStop();
// Holds the worker still before its next file until ResumeWorker; it never
// stops while it holds a lock or is inside a conversion step.
void HoldWorker();
void ResumeWorker();
