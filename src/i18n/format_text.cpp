#include "i18n/format_text.h"

#include "app/text_util.h"

std::string FormatText(std::string_view templ, std::string_view a1, std::string_view a2,
                       std::string_view a3, std::string_view a4) {
  std::string result(templ);
  if (result.empty()) return result;
  const std::string_view args[4] = {a1, a2, a3, a4};
  const std::string_view placeholders[4] = {"%s1%", "%s2%", "%s3%", "%s4%"};
  for (int n = 0; n < 4; ++n)
    if (!args[n].empty()) result = ReplaceAllIgnoreCase(result, placeholders[n], args[n]);
  return result;
}

std::string FormatText(std::string_view templ, long long a1) {
  return FormatText(templ, std::to_string(a1));
}

std::string FormatText(std::string_view templ, long long a1, long long a2) {
  return FormatText(templ, std::to_string(a1), std::to_string(a2));
}
