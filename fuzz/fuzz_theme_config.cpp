// theme.cfg text, with the group and key taken from the first two lines.
#include "fuzz_support.h"
#include "themes/theme_config.h"

FUZZ_TARGET(theme_config) {
  std::string_view text = FuzzText(data, size);
  const size_t first = text.find('\n');
  const std::string_view group = text.substr(0, first);
  const std::string_view rest = first == std::string_view::npos ? std::string_view() : text.substr(first + 1);
  const size_t second = rest.find('\n');
  const std::string_view key = rest.substr(0, second);
  ReadConfigValue(text, group, key);
  ReadConfigValue(text, "Theme", "Name");
  ReadConfigValue(text, "Icons", "New");
  return 0;
}
