// Every fuzz target runs over its seeds and over the inputs that once made
// it fail, kept under tests/data/fuzz/<target>/.
#include <gtest/gtest.h>

#include <filesystem>

#include "fuzz_support.h"
#include "support/sandbox.h"

namespace {

const char* const kTargets[] = {"command_line", "decoded_image", "file_type",    "ini",
                                "profile",      "svg_path",      "theme_config", "theme_package", "http_reply"};

std::vector<std::filesystem::path> InputsOf(const std::string& target) {
  std::vector<std::filesystem::path> inputs;
  for (const std::string& root : {std::string(VELMORA_SOURCE_DIR "/fuzz/seeds/"), std::string(VELMORA_TEST_DATA "/fuzz/")}) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(root + target, error))
      if (entry.is_regular_file()) inputs.push_back(entry.path());
  }
  return inputs;
}

}  // namespace

TEST(FuzzRegressions, EveryTargetSurvivesItsKeptInputs) {
  for (const char* target : kTargets) {
    const FuzzEntry entry = FindFuzzTarget(target);
    ASSERT_NE(entry, nullptr) << target;
    for (const auto& input : InputsOf(target)) {
      const std::string bytes = ReadFile(input.string());
      EXPECT_EQ(entry(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()), 0) << input;
    }
    EXPECT_EQ(entry(nullptr, 0), 0) << target;  // the empty input
  }
}
