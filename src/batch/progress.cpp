#include "batch/progress.h"

ProgressState g_progress;
std::mutex ProgressLock;
