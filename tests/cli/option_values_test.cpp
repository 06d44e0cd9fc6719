#include "cli/option_values.h"

#include <gtest/gtest.h>

TEST(OptionValues, NamesAndValues) {
  const ArgumentList arguments = {" -i ", "--Jpg-Quality=80", "--wm-text=a=b", "plain", "--help", "-", ""};
  const struct {
    size_t index;
    const char* name;
    const char* value;
  } cases[] = {{0, "-I", "-i"},   {1, "--JPG-QUALITY", "80"}, {2, "--WM-TEXT", "a=b"}, {3, "", "plain"},
               {4, "--HELP", "--help"}, {5, "-", "-"}, {6, "", ""}, {7, "", ""}};
  for (const auto& c : cases) {
    EXPECT_EQ(OptionName(arguments, c.index), c.name) << c.index;
    EXPECT_EQ(OptionValue(arguments, c.index), c.value) << c.index;
  }
}

TEST(OptionValues, ReadNumberForms) {
  const struct {
    const char* text;
    int32_t value;
  } cases[] = {{"80", 80},     {"$50", 80},    {"%101", 5},     {"-50", -50},   {"+7", 7},
               {" \t12abc", 12}, {"abc", 0},     {"", 0},         {"-$10", -16},  {"$ff", 255},
               {"%102", 2},    {"4294967297", 1}, {"12.7", 12},  {"$", 0},       {"--5", 0}};
  for (const auto& c : cases) EXPECT_EQ(ReadNumber(c.text), c.value) << c.text;
}

TEST(OptionValues, ReadDecimalUsesAPoint) {
  const struct {
    const char* text;
    float value;
  } cases[] = {{"2.2", 2.2f}, {"0.01", 0.01f}, {"+1.5", 1.5f}, {"-3", -3.0f}, {"abc", 0.0f},
               {"", 0.0f},   {"2,2", 2.0f},   {".5", 0.5f}};
  for (const auto& c : cases) EXPECT_FLOAT_EQ(ReadDecimal(c.text), c.value) << c.text;
}

TEST(OptionValues, StripQuotes) {
  EXPECT_EQ(StripQuotes("\"\"a b\"\""), "a b");
  EXPECT_EQ(StripQuotes("a\"b"), "a\"b");
  EXPECT_EQ(StripQuotes("\"\""), "");
}
