#include "app/data_folder.h"

#include <gtest/gtest.h>

#include "platform/files.h"
#include "support/program_state.h"
#include "support/sandbox.h"

TEST(DataFolder, BothLevelsAreCreatedBelowTheConfigFolder) {
  Sandbox sandbox;
  ScopedEnv config("XDG_CONFIG_HOME", sandbox.Path("config"));
  EXPECT_EQ(DataFolder("Tarnwick", "velmora"), sandbox.Path("config/Tarnwick/velmora/"));
  EXPECT_TRUE(IsFolder(sandbox.Path("config/Tarnwick/velmora")));
  EXPECT_EQ(DataFolder("Tarnwick", "velmora"), sandbox.Path("config/Tarnwick/velmora/"));  // existing is fine
}

TEST(DataFolder, WithoutXdgConfigHomeTheHomeConfigFolderServes) {
  Sandbox sandbox;
  ScopedEnv home("HOME", sandbox.Path("home"));
  ScopedEnv config("XDG_CONFIG_HOME", "");
  EXPECT_EQ(DataFolder("Tarnwick", "velmora"), sandbox.Path("home/.config/Tarnwick/velmora/"));
  EXPECT_TRUE(IsFolder(sandbox.Path("home/.config/Tarnwick/velmora")));
}
