// Argument vectors: the bytes split at NUL into arguments.
#include <vector>

#include "cli/command_line.h"
#include "fuzz_support.h"

FUZZ_TARGET(command_line) {
  static const bool prepared = (PrepareConsolePath(), true);
  (void)prepared;
  ArgumentList arguments;
  std::string_view text = FuzzText(data, size);
  while (!text.empty()) {
    const size_t end = text.find('\0');
    arguments.emplace_back(text.substr(0, end));
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  ParseArguments(arguments);
  return 0;
}
