#include "platform/console.h"

#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <mutex>

namespace {
std::mutex g_outputMutex;
bool g_titlePushed = false;
}  // namespace

void ConsoleClose() {
  std::lock_guard lock(g_outputMutex);
  if (g_titlePushed) {
    std::fputs("\033[23;0t", stdout);  // restore the title saved by ConsoleSetTitle
    g_titlePushed = false;
  }
  std::fflush(stdout);
}

void ConsoleSetTitle(const std::string& title) {
  if (!isatty(STDOUT_FILENO)) return;
  std::lock_guard lock(g_outputMutex);
  // Save the terminal's own title first so closing the console can put it back.
  std::fprintf(stdout, "\033[22;0t\033]0;%s\007", title.c_str());
  std::fflush(stdout);
  g_titlePushed = true;
}

void ConsoleWriteLine(const std::string& line) {
  std::lock_guard lock(g_outputMutex);
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

void ConsoleWriteError(const std::string& line) {
  std::lock_guard lock(g_outputMutex);
  std::fprintf(stderr, "%s\n", line.c_str());
  std::fflush(stderr);
}

void ConsoleReadKey() {
  struct termios saved {};
  const bool terminal = isatty(STDIN_FILENO) && tcgetattr(STDIN_FILENO, &saved) == 0;
  if (terminal) {
    struct termios raw = saved;
    raw.c_lflag &= ~(ICANON | ECHO);
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    tcsetattr(STDIN_FILENO, TCSANOW, &raw);
  }
  char key = 0;
  while (read(STDIN_FILENO, &key, 1) < 0 && errno == EINTR) {
  }
  if (terminal) tcsetattr(STDIN_FILENO, TCSANOW, &saved);
}
