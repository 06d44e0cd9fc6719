#include "engine/svg_path.h"

#include <charconv>

namespace {

struct Reader {
  std::string_view text;
  size_t at = 0;

  void SkipBlanks() {
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t' || text[at] == '\n' || text[at] == '\r' ||
                                text[at] == ','))
      ++at;
  }
  bool Number(double& value) {
    SkipBlanks();
    long long integer = 0;
    const char* begin = text.data() + at;
    const auto result = std::from_chars(begin, text.data() + text.size(), integer);
    if (result.ec != std::errc() || result.ptr == begin) return false;
    at += size_t(result.ptr - begin);
    value = double(integer);
    return true;
  }
};

}  // namespace

bool ParseSvgPath(std::string_view text, std::vector<PathCommand>& commands) {
  commands.clear();
  Reader reader{text};
  for (reader.SkipBlanks(); reader.at < text.size(); reader.SkipBlanks()) {
    const char letter = text[reader.at++];
    PathCommand command{PathCommand::Close};
    if (letter == 'M' || letter == 'l') {
      command.kind = letter == 'M' ? PathCommand::MoveTo : PathCommand::LineBy;
      if (!reader.Number(command.x) || !reader.Number(command.y)) return false;
    } else if (letter != 'Z' && letter != 'z') {
      return false;
    }
    // A path must begin where it says.
    if (commands.empty() && command.kind != PathCommand::MoveTo) return false;
    commands.push_back(command);
  }
  return !commands.empty();
}
