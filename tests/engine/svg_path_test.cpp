#include "engine/svg_path.h"

#include <gtest/gtest.h>

TEST(SvgPath, ReadsMoveLineAndClose) {
  std::vector<PathCommand> commands;
  ASSERT_TRUE(ParseSvgPath("M 0 80 l 0 -80 l 10 12 Z", commands));
  ASSERT_EQ(commands.size(), 4u);
  EXPECT_EQ(commands[0].kind, PathCommand::MoveTo);
  EXPECT_EQ(commands[0].y, 80);
  EXPECT_EQ(commands[1].kind, PathCommand::LineBy);
  EXPECT_EQ(commands[1].y, -80);
  EXPECT_EQ(commands[2].x, 10);
  EXPECT_EQ(commands[3].kind, PathCommand::Close);
}

TEST(SvgPath, RefusesWhatIsNotInTheSubset) {
  const char* cases[] = {"",          "l 1 2",   "M 1",       "M 1 x",    "M 1 2 L 3 4",
                         "M 1 2 l --5 0", "M 1 2 q", "M 1.5 2",   "Z"};
  std::vector<PathCommand> commands;
  for (const char* text : cases) EXPECT_FALSE(ParseSvgPath(text, commands)) << text;
}
