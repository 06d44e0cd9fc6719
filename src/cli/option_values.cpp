#include "cli/option_values.h"

#include <charconv>

#include "app/text_util.h"

std::string OptionName(const ArgumentList& arguments, size_t i) {
  if (i >= arguments.size()) return "";
  const std::string argument = Trim(arguments[i]);
  if (argument.starts_with("--")) return AsciiUpper(argument.substr(0, argument.find('=')));
  if (argument.starts_with("-")) return AsciiUpper(argument);
  return "";
}

std::string OptionValue(const ArgumentList& arguments, size_t i) {
  if (i >= arguments.size()) return "";
  const std::string argument = Trim(arguments[i]);
  const size_t equals = argument.find('=');
  if (argument.starts_with("--") && equals != std::string::npos) return argument.substr(equals + 1);
  return argument;
}

int32_t ReadNumber(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  unsigned base = 10;
  if (i < text.size() && text[i] == '$') base = 16, ++i;
  else if (i < text.size() && text[i] == '%') base = 2, ++i;
  uint32_t value = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    unsigned digit;
    if (c >= '0' && c <= '9') digit = unsigned(c - '0');
    else if (c >= 'a' && c <= 'f') digit = unsigned(c - 'a' + 10);
    else if (c >= 'A' && c <= 'F') digit = unsigned(c - 'A' + 10);
    else break;
    if (digit >= base) break;
    value = value * base + digit;  // wraps: the result is kept in 32 bits
  }
  return int32_t(negative ? 0u - value : value);
}

float ReadDecimal(std::string_view text) {
  std::string_view digits = text;
  if (digits.starts_with('+')) digits.remove_prefix(1);
  float value = 0;
  const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                      std::chars_format::fixed);
  return result.ec == std::errc() ? value : 0.0f;
}

std::string StripQuotes(std::string_view text) {
  const size_t first = text.find_first_not_of('"');
  if (first == std::string_view::npos) return "";
  return std::string(text.substr(first, text.find_last_not_of('"') - first + 1));
}
