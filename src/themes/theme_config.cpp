#include "themes/theme_config.h"

#include <algorithm>

#include "app/text_util.h"

namespace {
constexpr std::string_view kLineEnd = "\r\n";
}  // namespace

std::string ReadConfigValue(std::string_view text, std::string_view group, std::string_view key) {
  const std::string header = "[" + std::string(group) + "]";
  const size_t headerAt = FindIgnoreCase(text, header);
  if (headerAt == std::string_view::npos) return "";
  const size_t groupEnd = std::min(text.find('[', headerAt + 1), text.size());

  const size_t keyAt = FindIgnoreCase(text, std::string(kLineEnd) + std::string(key), headerAt);
  if (keyAt == std::string_view::npos || keyAt >= groupEnd) return "";
  const size_t lineEnd = text.find(kLineEnd, keyAt + kLineEnd.size());
  if (lineEnd == std::string_view::npos) return "";
  const std::string_view line = text.substr(keyAt, lineEnd - keyAt);

  const size_t firstEquals = line.find('=');
  if (firstEquals == std::string_view::npos) return "";
  const size_t secondEquals = line.find('=', firstEquals + 1);
  std::string value(line.substr(firstEquals + 1, secondEquals == std::string_view::npos
                                                      ? std::string_view::npos
                                                      : secondEquals - firstEquals - 1));
  for (const char* strip : {" ", "\t", "\r", "\n"}) value = Trim(value, strip);
  return value;
}
