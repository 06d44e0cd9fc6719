#include "ui/main/quit_on_signal.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <csignal>

#include "ui/main/quit.h"

namespace {

// The handler may only write to a pipe; the event loop reads it.
int g_signalPipe[2] = {-1, -1};
constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

void OnSignal(int) {
  const char byte = 1;
  [[maybe_unused]] const ssize_t written = write(g_signalPipe[1], &byte, 1);
}

}  // namespace

QuitOnSignal::QuitOnSignal() {
  if (pipe2(g_signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
  notifier_ = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read);
  QObject::connect(notifier_, &QSocketNotifier::activated, [] {
    char byte = 0;
    while (read(g_signalPipe[0], &byte, 1) > 0) {
    }
    RequestQuit();
  });
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : kSignals) sigaction(signal, &action, nullptr);
}

QuitOnSignal::~QuitOnSignal() {
  for (int signal : kSignals) std::signal(signal, SIG_DFL);
  delete notifier_;
  for (int& fd : g_signalPipe) {
    if (fd >= 0) close(fd);
    fd = -1;
  }
}
