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

int32_t ReadNumber(std::string_view text) { return int32_t(uint32_t(ReadLeadingInteger(text, true))); }

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
