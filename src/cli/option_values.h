#pragma once
// Reading option names and values from the argument list, and the number
// forms that option values may take.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using ArgumentList = std::vector<std::string>;

// The i-th argument trimmed; "-x" names itself, "--name=value" is named by
// the part before "=", upper-cased. Not an option: "".
std::string OptionName(const ArgumentList& arguments, size_t i);
// The i-th argument trimmed; for "--name=value" the text after the first
// "=". Past the last argument: "".
std::string OptionValue(const ArgumentList& arguments, size_t i);

// NUM: blanks and tabs skipped, optional sign, then decimal digits, "$" and
// hexadecimal digits, or "%" and binary digits, up to the first other
// character, kept in 32 bits. No digits give 0.
int32_t ReadNumber(std::string_view text);
// A decimal number with "." as the decimal point; anything else gives 0.
float ReadDecimal(std::string_view text);
// Removes every leading and trailing double quote.
std::string StripQuotes(std::string_view text);
