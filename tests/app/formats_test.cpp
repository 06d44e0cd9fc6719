#include "app/formats.h"

#include <FreeImage.h>
#include <gtest/gtest.h>

#include "batch/input_set.h"

TEST(Formats, InputRegistryHoldsEveryExtensionInOrder) {
  const auto& registry = InputRegistry();
  ASSERT_EQ(registry.size(), 79u);
  EXPECT_EQ(registry.front().extension, "bmp");
  EXPECT_EQ(registry.back().extension, "rwl");
  EXPECT_EQ(FindInputExtension("apm")->description, "Aldus Placeable Metafile");
  EXPECT_EQ(FindInputExtension("wmz")->description, "Windows Metafile Format");
  EXPECT_EQ(FindInputExtension("jpeg")->formatKey, "jpg");
  EXPECT_EQ(FindInputExtension("kc2")->description, "Kodak Camera RAW Image");
  EXPECT_EQ(FindInputExtension("raw2")->formatKey, "raw");
  EXPECT_EQ(FindInputExtension("PCD"), nullptr);
}

TEST(Formats, ProductInputExtensionsAreThePhotoCdOnes) {
  BuildInputExtensions();
  EXPECT_EQ(InputExtensions(), (std::vector<std::string>{"pcd", "pcd1", "pcds", "ppcd"}));
  for (const char* extension : {"pcd", "pcd1", "pcds", "ppcd", "PCD"}) EXPECT_TRUE(IsSupportedInput(extension));
  for (const char* extension : {"jpeg", "jpg", "", "pcdx"}) EXPECT_FALSE(IsSupportedInput(extension));
}

TEST(Formats, OutputRegistry) {
  ASSERT_EQ(OutputRegistry().size(), 20u);
  EXPECT_EQ(OutputRegistry().front().formatKey, "bmp");
  EXPECT_EQ(OutputRegistry().back().formatKey, "xpm");
  EXPECT_EQ(FindOutputFormat("dds"), nullptr);
  EXPECT_EQ(FindOutputFormat("jpg")->freeImageFormat, FIF_JPEG);
  EXPECT_EQ(FindOutputFormat("pbm")->freeImageFormat, 7);
  EXPECT_EQ(FindOutputFormat("pgm")->freeImageFormat, 11);
  EXPECT_EQ(FindOutputFormat("ppm")->freeImageFormat, 14);
  EXPECT_EQ(OutputFormatDisplayName(*FindOutputFormat("jpg")), "JPG (JPEG File Format)");
  EXPECT_EQ(AllowedBitDepths("jpg"), (std::vector<int>{8, 24}));
  EXPECT_EQ(AllowedBitDepths("gif"), (std::vector<int>{8}));
  EXPECT_EQ(AllowedBitDepths("jxr"), (std::vector<int>{1, 8, 16, 24, 32, 48, 96}));
  EXPECT_TRUE(AllowedBitDepths("dds").empty());
}
