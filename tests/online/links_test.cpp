#include "online/links.h"

#include <gtest/gtest.h>

#include "online/converter_search.h"
#include "online/update_check.h"
#include "online/vendor.h"
#include "platform/files.h"
#include "support/program_state.h"
#include "support/sandbox.h"

namespace {

TEST(Links, AddressesOnTheVendorsServer) {
  ScopedEnv vendor("TARNWICK_VENDOR_URL", "https://vendor.test:8443/");
  EXPECT_EQ(VendorSiteUrl(), "https://vendor.test:8443/");
  EXPECT_EQ(VendorSiteCaption(), "vendor.test:8443");
  EXPECT_EQ(ProductPageUrl(), "https://vendor.test:8443/velmora/");
  EXPECT_EQ(UninstallPageUrl(), "https://vendor.test:8443/velmora/uninstall.html");
  EXPECT_EQ(UpdateFileUrl(), "https://vendor.test:8443/files/velmora.dat");
  EXPECT_EQ(ConverterSearchUrl("pcd", "jpg"), "https://vendor.test:8443/find/pcd-jpg/");
}

TEST(Links, TheFeedbackMailCarriesTheTitleUnencoded) {
  EXPECT_EQ(FeedbackMailLink(), "mailto:" + SupportMailAddress() + "?subject=Tarnwick PCD to JPG 2.9 Feedback");
  EXPECT_EQ(SupportMailLink(), "mailto:" + SupportMailAddress());
}

TEST(Links, TheBuildPutsTheManualBesideTheProgram) {
  const std::string manual = FolderPart(VELMORA_BINARY) + ManualFileName();
  EXPECT_EQ(ManualFileName(), "velmora.html");
  ASSERT_TRUE(IsRegularFile(manual)) << manual;
  EXPECT_NE(ReadFile(manual).find("velmora -i"), std::string::npos);
}

TEST(NormalizeExtension, LowerCaseTwelveCharactersThenLettersAndDigits) {
  const struct {
    const char* text;
    const char* normalized;
  } cases[] = {
      {"  .PCD", "pcd"},
      {"tif f", "tiff"},
      {"Jpg", "jpg"},
      {"***", ""},
      {"", ""},
      {"abcdefghijklmnop", "abcdefghijkl"},
      {"ab.cdefghijklmn", "abcdefghijk"},
      {"MP3", "mp3"},
      {"\xC3\x84\xC3\x96" "12", "12"},
      // Twelve characters of two bytes each use up the twelve places.
      {"\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9" "1", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(NormalizeExtension(c.text), c.normalized) << c.text;
}

}  // namespace
