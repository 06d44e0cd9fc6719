#include "app/keywords.h"

#include <gtest/gtest.h>

TEST(Keywords, ParseKeywordMatchesExactlyAfterUpperCasing) {
  const struct {
    int set;
    const char* text;
    int value;
  } cases[] = {
      {12, "bicubic", 3},   {12, "Bicubic", 3},     {12, "BICUBIC", 3},  {12, "BI-CUBIC", 0},
      {12, " BICUBIC", 0},  {12, "LANCZOS", 5},     {20, "2", 0},        {20, "bottomright", 8},
      {15, "TEXT", 0},      {14, "SOLID", 0},       {13, "bayer8", 2},   {4, "RLE", 1},
      {4, "ZLIB9", 3},      {4, "LOGLUV", 8},       {17, "STRIKETHROUGHT", 2}, {17, "STRIKETHROUGH", 0},
      {1, "48HS", 4},       {1, "48", 5},           {22, "custom", 2},   {23, "AUTO", 0},
      {-1, "AUTO", 0},      {6, "LAB", 2},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseKeyword(c.set, c.text), c.value) << c.set << " " << c.text;
}

TEST(Keywords, KeywordTextGivesTheFirstKeywordOfAValue) {
  const struct {
    int set;
    int value;
    const char* text;
  } cases[] = {
      {4, 0, "NONE"}, {4, 1, "RLE"},  {4, 2, "PIZ"},  {4, 3, "PXR24"}, {4, 4, "B44"},     {4, 5, "ADOBEDEFLATE"},
      {4, 6, "LZW"},  {4, 7, "JPEG"}, {4, 8, "LOGLUV"}, {4, 9, ""},    {21, 1, ""},       {21, 0, "FIXED"},
      {14, 1, "SOLID"}, {15, 2, "IMAGE"}, {7, 3, "HIGH"}, {99, 0, ""}, {12, 3, "BICUBIC"},
  };
  for (const auto& c : cases) EXPECT_EQ(KeywordText(c.set, c.value), c.text) << c.set << " " << c.value;
}
