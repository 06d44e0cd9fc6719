#include "engine/color.h"

#include <gtest/gtest.h>

namespace {

struct ColorCase {
  const char* text;
  ColorValue expected;
};

class ParseColorTest : public ::testing::TestWithParam<ColorCase> {};

TEST_P(ParseColorTest, ReadsRedGreenBluePairs) {
  EXPECT_EQ(ParseColor(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseColorTest,
    ::testing::Values(ColorCase{"FF0000", 0x0000FF}, ColorCase{"00ff00", 0x00FF00},
                      ColorCase{"0000Ff", 0xFF0000}, ColorCase{"123456", 0x563412},
                      ColorCase{"F00", 0}, ColorCase{"", 0}, ColorCase{"FF00000", 0},
                      ColorCase{"GGFF80", 0x80FF00}, ColorCase{"1G2233", 0x332200},
                      ColorCase{"-1FFFF", 0xFFFF00}));

TEST(ParseColorAlphaTest, AddsTheAlphaToTheColour) {
  EXPECT_EQ(ParseColorAlpha("FF8001", 128), (RgbaColor{255, 128, 1, 128}));
}

TEST(ParseColorAlphaTest, WrongLengthIsBlackWithTheAlpha) {
  EXPECT_EQ(ParseColorAlpha("FFF", 77), (RgbaColor{0, 0, 0, 77}));
}

}  // namespace
