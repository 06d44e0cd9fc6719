#include "batch/worker.h"

#include <gtest/gtest.h>

#include <random>

#include "app/job_state.h"
#include "app/settings.h"
#include "batch/input_set.h"
#include "batch/progress.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "support/conversion_test.h"

namespace {

class Worker : public ConversionTest {
 protected:
  void SetUp() override {
    ConversionTest::SetUp();
    Plan("6=40x30");
    g_job.ConsoleInputGiven = true;
    ASSERT_TRUE(AddInputFile(input));
  }
  int32_t RunToEnd() {
    WorkerRun run;
    run.Start();
    run.Wait();
    EXPECT_TRUE(run.Finished());
    std::lock_guard lock(ProgressLock);
    return g_progress.ConvertedCount;
  }

};

TEST_F(Worker, AConvertedFileAdvancesTheNamingValues) {
  g_job.RandomNumber = 0;  // outside the range the worker draws from
  g_job.Counter = 1;
  EXPECT_EQ(RunToEnd(), 1);
  EXPECT_EQ(g_progress.CurrentIndex, 1);
  EXPECT_EQ(g_progress.CurrentFile, input);
  EXPECT_EQ(g_progress.LastDuration, 0);  // nothing was converted before this file
  EXPECT_EQ(g_job.Counter, 2);
  EXPECT_GE(g_job.RandomNumber, 1);
  EXPECT_LE(g_job.RandomNumber, 99999);
  EXPECT_EQ(g_job.CurrentInput, input);
  EXPECT_TRUE(PathExists(sandbox.Path("out/photo.jpg")));
}

TEST_F(Worker, AFailedFileLeavesTheNamingValues) {
  Plan("*=none");
  g_job.RandomNumber = 77;
  g_job.Counter = 5;
  EXPECT_EQ(RunToEnd(), 0);
  EXPECT_EQ(g_job.Counter, 5);
  EXPECT_EQ(g_job.RandomNumber, 77);
}

TEST_F(Worker, FileDatesFollowTheTimestampSetting) {
  const int64_t may2001 = 989132889;  // 2001-05-06 07:08:09 counted in local wall-clock time
  struct timespec inputDate {TimeFromLocalDate(may2001), 0};
  ASSERT_TRUE(SetModificationTime(input, inputDate));
  const struct {
    uint8_t mode;
    int64_t custom;
    int64_t expected;  // local date of the output, 0 for "about now"
  } cases[] = {{1, 0, may2001}, {2, 1000000000, 1000000000}, {0, 1000000000, 0}};
  for (const auto& c : cases) {
    g_settings.Advanced.FileTimestamp = c.mode;
    g_settings.Advanced.CustomTimestamp = c.custom;
    ASSERT_EQ(RunToEnd(), 1);
    struct timespec written {};
    ASSERT_TRUE(GetModificationTime(sandbox.Path("out/photo.jpg"), written));
    if (c.expected) {
      EXPECT_EQ(LocalDateFromTime(written.tv_sec), c.expected) << int(c.mode);
    } else {
      EXPECT_LT(std::abs(LocalDateFromTime(written.tv_sec) - LocalDateNow()), 60) << int(c.mode);
    }
  }
}

TEST_F(Worker, AHeldWorkerWaitsAndAStopBeforeTheFirstFileConvertsNothing) {
  HoldWorker();
  WorkerRun run;
  run.Start();
  SleepMilliseconds(150);
  {
    std::lock_guard lock(ProgressLock);
    EXPECT_EQ(g_progress.CurrentIndex, 0);
  }
  EXPECT_FALSE(run.Finished());
  RequestWorkerStop();
  ResumeWorker();
  run.Wait();
  EXPECT_EQ(g_progress.ConvertedCount, 0);
  EXPECT_FALSE(PathExists(sandbox.Path("out/photo.jpg")));
}

TEST_F(Worker, HoldAndResumeLetTheRunGoOnUnchanged) {
  HoldWorker();
  WorkerRun run;
  run.Start();
  SleepMilliseconds(50);
  ResumeWorker();
  run.Wait();
  EXPECT_EQ(g_progress.ConvertedCount, 1);
}

}  // namespace

namespace {

// Many short runs, stopped, held and resumed at random moments, the way a
// user answers the progress dialog's question: every run ends, and its count
// matches what it wrote.
TEST_F(Worker, RepeatedStopsAndHoldsNeitherHangNorLoseACount) {
  Plan("6=16x16");
  std::mt19937 random(7);
  for (int round = 0; round < 60; ++round) {
    DeleteFile(sandbox.Path("out/photo.jpg"));
    ASSERT_TRUE(AddInputFile(input));
    WorkerRun run;
    const int moment = int(random() % 4);
    if (moment == 0) HoldWorker();
    run.Start();
    if (moment == 1) SleepMilliseconds(int(random() % 20));
    if (moment != 3) {
      HoldWorker();
      if (random() % 2) RequestWorkerStop();
      ResumeWorker();
    }
    run.Wait();
    ASSERT_TRUE(run.Finished()) << round;
    std::lock_guard lock(ProgressLock);
    EXPECT_EQ(g_progress.ConvertedCount, PathExists(sandbox.Path("out/photo.jpg")) ? 1 : 0) << round;
  }
}

}  // namespace
