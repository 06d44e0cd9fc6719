// Stand-in for the external PhotoCD decoder. Tests install it as
// "convert.exe" first on PATH and steer it through the environment:
//   FAKE_CONVERT_LOG    file to which each call appends its arguments, one
//                       line per call, arguments separated by a TAB
//   FAKE_CONVERT_PLAN   what to do per resolution index, e.g. "5=4096x2048 3=768x512";
//                       actions: WxH (a TGA whose top half is red and bottom
//                       half blue), empty (a 0-byte file), garbage (bytes no
//                       reader knows), copy:<path>, none; "*=" sets the
//                       action of every other index (default none)
//   FAKE_CONVERT_STATUS exit status (default 0)
//   FAKE_CONVERT_DELAY_MS how long each call takes before it acts
//   FAKE_CONVERT_REMOVE a file each call deletes first (an input that vanishes)
//   actions also: crash (writes half a TGA, then dies of a segmentation fault)
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// The index in square brackets at the end of the input argument.
int IndexOf(const std::string& input) {
  const size_t open = input.rfind('['), close = input.rfind(']');
  if (open == std::string::npos || close == std::string::npos || close < open) return -1;
  return std::atoi(input.substr(open + 1, close - open - 1).c_str());
}

std::string ActionFor(int index) {
  const std::string plan = Environment("FAKE_CONVERT_PLAN");
  std::string fallback = "none";
  size_t start = 0;
  while (start < plan.size()) {
    size_t end = plan.find(' ', start);
    if (end == std::string::npos) end = plan.size();
    const std::string item = plan.substr(start, end - start);
    const size_t equals = item.find('=');
    if (equals != std::string::npos) {
      const std::string key = item.substr(0, equals), action = item.substr(equals + 1);
      if (key == "*") fallback = action;
      else if (std::atoi(key.c_str()) == index) return action;
    }
    start = end + 1;
  }
  return fallback;
}

bool WriteTga(const std::string& path, int width, int height) {
  std::ofstream out(path, std::ios::binary);
  const uint8_t header[18] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, uint8_t(width & 0xFF), uint8_t(width >> 8),
                              uint8_t(height & 0xFF), uint8_t(height >> 8), 24, 0x20};
  out.write(reinterpret_cast<const char*>(header), sizeof header);
  std::vector<char> row(size_t(width) * 3);
  for (int y = 0; y < height; ++y) {
    const bool top = y < height / 2;
    for (int x = 0; x < width; ++x) {
      row[size_t(x) * 3 + 0] = char(top ? 0 : 255);    // blue
      row[size_t(x) * 3 + 1] = 0;                      // green
      row[size_t(x) * 3 + 2] = char(top ? 255 : 0);    // red
    }
    out.write(row.data(), std::streamsize(row.size()));
  }
  return bool(out);
}

void Perform(const std::string& action, const std::string& output) {
  if (action == "none") return;
  if (action == "empty") {
    std::ofstream(output, std::ios::binary);
  } else if (action == "garbage") {
    std::ofstream(output, std::ios::binary) << "this is not an image at all";
  } else if (action == "crash") {
    std::ofstream(output, std::ios::binary) << std::string(9, '\0');
    std::raise(SIGSEGV);
  } else if (action.rfind("copy:", 0) == 0) {
    std::ifstream in(action.substr(5), std::ios::binary);
    std::ofstream(output, std::ios::binary) << in.rdbuf();
  } else {
    int width = 0, height = 0;
    if (std::sscanf(action.c_str(), "%dx%d", &width, &height) == 2) WriteTga(output, width, height);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (const int delay = std::atoi(Environment("FAKE_CONVERT_DELAY_MS").c_str()); delay > 0)
    std::this_thread::sleep_for(std::chrono::milliseconds(delay));
  if (const std::string vanishing = Environment("FAKE_CONVERT_REMOVE"); !vanishing.empty())
    std::remove(vanishing.c_str());
  std::vector<std::string> arguments(argv + 1, argv + argc);
  if (const std::string log = Environment("FAKE_CONVERT_LOG"); !log.empty()) {
    std::ofstream out(log, std::ios::app);
    for (size_t i = 0; i < arguments.size(); ++i) out << (i ? "\t" : "") << arguments[i];
    out << "\n";
  }
  if (arguments.size() >= 2) {
    const int index = IndexOf(arguments[arguments.size() - 2]);
    Perform(ActionFor(index), arguments.back());
  }
  return std::atoi(Environment("FAKE_CONVERT_STATUS").c_str());
}
