#include "online/vendor.h"

#include <cstdlib>

#include "app/product.h"

namespace {
// Under the reserved .example domain, so nothing ever reaches a stranger.
constexpr const char* kVendorUrl = "https://www.tarnwick.example";
constexpr const char* kSupportMail = "support@tarnwick.example";
}  // namespace

std::string VendorUrl() {
  const char* override = std::getenv("TARNWICK_VENDOR_URL");
  std::string url = (override && *override) ? override : kVendorUrl;
  while (!url.empty() && url.back() == '/') url.pop_back();
  return url;
}

std::string ProductPageUrl() { return VendorUrl() + "/" + kShortName + "/"; }

std::string SupportMailAddress() { return kSupportMail; }
