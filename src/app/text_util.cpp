#include "app/text_util.h"

namespace {
char UpperChar(char c) { return (c >= 'a' && c <= 'z') ? char(c - 'a' + 'A') : c; }
char LowerChar(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }
}  // namespace

std::string AsciiUpper(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = UpperChar(c);
  return result;
}

std::string AsciiLower(std::string_view text) {
  std::string result(text);
  for (char& c : result) c = LowerChar(c);
  return result;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (UpperChar(a[i]) != UpperChar(b[i])) return false;
  return true;
}

size_t FindIgnoreCase(std::string_view haystack, std::string_view needle, size_t from) {
  if (needle.empty()) return from <= haystack.size() ? from : std::string_view::npos;
  for (size_t i = from; i + needle.size() <= haystack.size(); ++i)
    if (EqualsIgnoreCase(haystack.substr(i, needle.size()), needle)) return i;
  return std::string_view::npos;
}

std::string ReplaceAllIgnoreCase(std::string_view text, std::string_view needle,
                                 std::string_view replacement) {
  if (needle.empty()) return std::string(text);
  std::string result;
  size_t start = 0;
  for (size_t at; (at = FindIgnoreCase(text, needle, start)) != std::string_view::npos;) {
    result.append(text.substr(start, at - start)).append(replacement);
    start = at + needle.size();
  }
  return result.append(text.substr(start));
}

std::string Trim(std::string_view text, std::string_view chars) {
  const size_t first = text.find_first_not_of(chars);
  if (first == std::string_view::npos) return "";
  const size_t last = text.find_last_not_of(chars);
  return std::string(text.substr(first, last - first + 1));
}


int64_t ReadLeadingInteger(std::string_view text, bool radixPrefixes) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  unsigned base = 10;
  if (radixPrefixes && i < text.size() && text[i] == '$') base = 16, ++i;
  else if (radixPrefixes && i < text.size() && text[i] == '%') base = 2, ++i;
  uint64_t value = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    unsigned digit;
    if (c >= '0' && c <= '9') digit = unsigned(c - '0');
    else if (c >= 'a' && c <= 'f') digit = unsigned(c - 'a' + 10);
    else if (c >= 'A' && c <= 'F') digit = unsigned(c - 'A' + 10);
    else break;
    if (digit >= base) break;
    value = value * base + digit;
  }
  return int64_t(negative ? 0 - value : value);
}

std::string Latin1ToUtf8(std::string_view bytes) {
  std::string text;
  text.reserve(bytes.size());
  for (unsigned char c : bytes) {
    if (c < 0x80) {
      text += char(c);
    } else {
      text += char(0xC0 | (c >> 6));
      text += char(0x80 | (c & 0x3F));
    }
  }
  return text;
}

bool IsValidUtf8(std::string_view bytes) {
  for (size_t i = 0; i < bytes.size();) {
    const unsigned char c = bytes[i];
    const size_t length = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
    if (length == 0 || i + length > bytes.size()) return false;
    for (size_t k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(bytes[i + k]) >> 6) != 0x2) return false;
    i += length;
  }
  return true;
}
