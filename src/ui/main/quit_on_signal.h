#pragma once
// Ending the windowed run by a signal (logout, Ctrl+C in the terminal, kill)
// as by the Exit command, so the settings and the window geometry are still
// saved. Lives for the event loop.
#include <QObject>

class QSocketNotifier;

class QuitOnSignal {
 public:
  QuitOnSignal();
  ~QuitOnSignal();
  QuitOnSignal(const QuitOnSignal&) = delete;
  QuitOnSignal& operator=(const QuitOnSignal&) = delete;

 private:
  QSocketNotifier* notifier_ = nullptr;
};
