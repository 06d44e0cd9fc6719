#include "platform/instance_lock.h"

#include <gtest/gtest.h>

#include "app/product.h"
#include "platform/files.h"
#include "support/program_state.h"
#include "support/sandbox.h"

namespace {

// The test process holds the lock the program takes, in the sandbox's
// runtime folder, and starts the program beside it.
class SecondInstance : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(lock.Acquire(ProductTitle()), InstanceLock::Acquired); }
  Sandbox sandbox;
  ScopedEnv runtime{"XDG_RUNTIME_DIR", sandbox.Path("runtime")};
  InstanceLock lock;
};

TEST_F(SecondInstance, AConsoleActionIsRefusedWithAReason) {
  WriteFile(sandbox.Path("work/a.pcd"), "x");
  for (const std::vector<std::string>& arguments :
       {std::vector<std::string>{"-v"}, {"-h"}, {"-i", "a.pcd"}, {"-i"}}) {
    const ProgramRun run = sandbox.Run(arguments);
    EXPECT_EQ(run.status, 3) << arguments.front();
    EXPECT_EQ(run.out, "") << arguments.front();
    EXPECT_EQ(run.err, "Error: another instance of Tarnwick PCD to JPG 2.9 is running\n");
  }
  EXPECT_FALSE(PathExists(sandbox.Path("work/a.jpg")));
}

TEST_F(SecondInstance, AWindowedStartEndsSilently) {
  for (const std::vector<std::string>& arguments : {std::vector<std::string>{}, {"--jpg-quality=80"}}) {
    const ProgramRun run = sandbox.Run(arguments);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
  }
}

TEST(InstanceLock, ReleasedLockCanBeTakenAgain) {
  Sandbox sandbox;
  ScopedEnv runtime{"XDG_RUNTIME_DIR", sandbox.Path("runtime")};
  InstanceLock first, second;
  ASSERT_EQ(first.Acquire("lock test"), InstanceLock::Acquired);
  EXPECT_EQ(second.Acquire("lock test"), InstanceLock::HeldElsewhere);
  first.Release();
  EXPECT_EQ(second.Acquire("lock test"), InstanceLock::Acquired);
  EXPECT_TRUE(PathExists(sandbox.Path("runtime/lock test.lock")));
}

TEST(InstanceLock, AVanishedRuntimeFolderFallsBackToTmp) {
  Sandbox sandbox;
  sandbox.SetEnv("XDG_RUNTIME_DIR", sandbox.Path("gone"));
  const ProgramRun run = sandbox.Run({"-v"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "2.9\n");
}

TEST(InstanceLock, AnUncreatableLockIsReportedAsSuch) {
  Sandbox sandbox;
  // A runtime folder the lock file cannot be made in: a file of the lock's
  // name that is a folder.
  CreateFolder(sandbox.Path("runtime/Tarnwick PCD to JPG 2.9.lock"));
  const ProgramRun run = sandbox.Run({"-v"});
  EXPECT_EQ(run.status, 3);
  EXPECT_EQ(run.err, "Error: the instance lock of Tarnwick PCD to JPG 2.9 cannot be created in " +
                         sandbox.Path("runtime") + "\n");
}

}  // namespace
