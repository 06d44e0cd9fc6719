#include "batch/input_set.h"

#include <gtest/gtest.h>

#include "app/job_state.h"
#include "app/settings.h"
#include "support/program_state.h"
#include "support/sandbox.h"

namespace {

class InputSetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProgramState();
    g_job.ConsoleInputGiven = true;
  }
  Sandbox sandbox;
};

TEST_F(InputSetTest, AdmitsByExtensionAndSize) {
  WriteFile(sandbox.Path("a.pcd"), "x");
  WriteFile(sandbox.Path("B.PCD"), "x");
  WriteFile(sandbox.Path("c.ppcd"), "x");
  WriteFile(sandbox.Path("empty.pcd"), "");
  WriteFile(sandbox.Path("photo.jpeg"), "x");
  WriteFile(sandbox.Path("dot."), "x");
  const struct {
    const char* name;
    bool admitted;
  } cases[] = {{"a.pcd", true},   {"B.PCD", true},      {"c.ppcd", true}, {"empty.pcd", false},
               {"photo.jpeg", false}, {"dot.", false}, {"missing.pcd", true}};
  for (const auto& c : cases) EXPECT_EQ(AddInputFile(sandbox.Path(c.name)), c.admitted) << c.name;
}

TEST_F(InputSetTest, SecondFileReplacesTheFirst) {
  WriteFile(sandbox.Path("a.pcd"), "x");
  WriteFile(sandbox.Path("b.pcd"), "x");
  ASSERT_TRUE(AddInputFile(sandbox.Path("a.pcd")));
  ASSERT_TRUE(AddInputFile(sandbox.Path("b.pcd")));
  ASSERT_EQ(CurrentInputSet().size(), 1u);
  EXPECT_EQ(CurrentInputSet().begin()->first, sandbox.Path("b.pcd"));
  EXPECT_EQ(CurrentInputSet().begin()->second.Added, 1);
  EXPECT_FALSE(AddInputFile(sandbox.Path("nope.jpg")));
  EXPECT_EQ(CurrentInputSet().begin()->first, sandbox.Path("b.pcd"));
}

TEST(RelativeSubfolder, RemovesTheBaseFromTheFolder) {
  EXPECT_EQ(RelativeSubfolder("/in/day1/a.pcd", "/in/"), "day1/");
  EXPECT_EQ(RelativeSubfolder("/in/a.pcd", "/in/"), "");
  EXPECT_EQ(RelativeSubfolder("/other/a.pcd", "/in/"), "");
  EXPECT_EQ(RelativeSubfolder("/in/a.pcd", ""), "");
  EXPECT_EQ(RelativeSubfolder("", "/in/"), "");
}

class RecentFolders : public ::testing::Test {
 protected:
  void SetUp() override { ResetProgramState(); }
};

TEST_F(RecentFolders, ReadsTrimmedTabSeparatedEntries) {
  g_settings.File.RecentOutFolders = " /a \t/b\t\t/d";
  EXPECT_EQ(RecentOutFolder(0), "/a");
  EXPECT_EQ(RecentOutFolder(1), "/b");
  EXPECT_EQ(RecentOutFolder(2), "");
  EXPECT_EQ(RecentOutFolder(3), "/d");
  EXPECT_EQ(RecentOutFolder(4), "");
}

TEST_F(RecentFolders, AddingMovesAFolderToTheHead) {
  g_settings.Advanced.OutFoldersNumber = 3;
  g_settings.File.RecentOutFolders = "/A\t/Photos\t/C";
  EXPECT_TRUE(AddRecentOutFolder("/photos"));
  EXPECT_EQ(g_settings.File.RecentOutFolders, "/photos\t/A\t/C");
  EXPECT_FALSE(AddRecentOutFolder(""));
  EXPECT_EQ(g_settings.File.RecentOutFolders, "/photos\t/A\t/C");
}

TEST_F(RecentFolders, TheOldestFallsOffAFullList) {
  g_settings.File.RecentOutFolders = "/1\t/2\t/3\t/4\t/5";
  EXPECT_TRUE(AddRecentOutFolder("/new"));
  EXPECT_EQ(g_settings.File.RecentOutFolders, "/new\t/1\t/2\t/3\t/4");
  g_settings.File.RecentOutFolders = "";
  EXPECT_TRUE(AddRecentOutFolder("/only"));
  EXPECT_EQ(g_settings.File.RecentOutFolders, "/only");
}

}  // namespace
