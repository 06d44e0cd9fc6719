#include "app/job_state.h"

#include "app/formats.h"
#include "batch/input_set.h"
#include "platform/clock.h"
#include "platform/folders.h"

JobState g_job;

int32_t NewRandomNumber() { return RandomInteger(1, 99999); }

void ResetJobState() {
  JobState fresh;
  fresh.ProgramFolder = ProgramFolder();
  fresh.RandomNumber = NewRandomNumber();
  fresh.Counter = 1;
  fresh.RunMarker = g_job.RunMarker;
  g_job = fresh;
  ClearInputSet();
  BuildInputExtensions();
}
