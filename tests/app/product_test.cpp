#include "app/product.h"

#include <gtest/gtest.h>

TEST(Product, VersionTextFormsTheDottedVersion) {
  const struct {
    int number;
    const char* text;
  } cases[] = {{290, "2.9"}, {291, "2.9.1"}, {300, "3.0"}, {315, "3.1.5"}, {100, "1.0"}};
  for (const auto& c : cases) EXPECT_EQ(VersionText(c.number), c.text) << c.number;
}

TEST(Product, TitleAndMakerFolder) {
  EXPECT_EQ(ProductTitle(), "Tarnwick PCD to JPG 2.9");
  EXPECT_EQ(TitleText(kProductName, 300), "Tarnwick PCD to JPG 3.0");
  EXPECT_EQ(TitleText(kProductName, 291), "Tarnwick PCD to JPG 2.9.1");
  EXPECT_EQ(MakerFolderName(), "Tarnwick");
}
