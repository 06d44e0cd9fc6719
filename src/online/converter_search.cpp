#include "online/converter_search.h"

#include "online/vendor.h"

namespace {

constexpr size_t kExtensionCharacters = 12;

bool IsUtf8Continuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

std::string NormalizeExtension(const std::string& text) {
  std::string kept;
  size_t characters = 0;
  for (const char c : text) {
    const unsigned char byte = static_cast<unsigned char>(c);
    // The cut counts characters, not bytes, so a typed "é" costs one place.
    if (!IsUtf8Continuation(byte) && ++characters > kExtensionCharacters) break;
    const char lower = (byte >= 'A' && byte <= 'Z') ? char(byte - 'A' + 'a') : c;
    if ((lower >= '0' && lower <= '9') || (lower >= 'a' && lower <= 'z')) kept += lower;
  }
  return kept;
}

std::string ConverterSearchUrl(const std::string& from, const std::string& to) {
  return VendorUrl() + "/find/" + from + "-" + to + "/";
}
