#pragma once
// Base of in-process conversion tests: a fresh console state, a sandbox with
// the fake decoder alone on PATH, an input file, an output folder "out/" and
// the job set up to save JPEG files there.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "support/program_state.h"
#include "support/sandbox.h"

class ConversionTest : public ::testing::Test {
 protected:
  void SetUp() override;
  // What the fake decoder does (FAKE_CONVERT_PLAN).
  void Plan(const std::string& plan) { planEnv_.emplace("FAKE_CONVERT_PLAN", plan); }

  Sandbox sandbox;
  const std::string input = sandbox.Path("photo.pcd");

 private:
  ScopedEnv pathEnv_{"PATH", sandbox.Path("bin")};
  std::optional<ScopedEnv> planEnv_;
};
