#pragma once
// A windowed session for window tests: a sandbox as HOME and XDG folders,
// the bundled theme packages of the build, message boxes and choosers
// answered by the test, and the main window started as the program starts
// it (without the event loop).
#include <QString>

#include <optional>
#include <string>
#include <vector>

#include "support/program_state.h"
#include "support/sandbox.h"
#include "ui/message_box.h"

struct RecordedMessage {
  MessageKind kind;
  std::string title;
  std::string text;
};

class UiSession {
 public:
  UiSession();
  ~UiSession();
  UiSession(const UiSession&) = delete;
  UiSession& operator=(const UiSession&) = delete;

  // Start-up as the program does it: config.ini, texts, themes, main window.
  void Start();
  // Shutdown: geometry, history rule, SaveConfig, window destroyed.
  void End();

  Sandbox sandbox;
  std::vector<RecordedMessage> messages;
  bool questionAnswer = false;  // what every question box answers
  std::string ConfigPath() const { return sandbox.Path("config/Tarnwick/velmora/config.ini"); }

 private:
  ScopedEnv home_{"HOME", sandbox.Path("home")};
  ScopedEnv config_{"XDG_CONFIG_HOME", sandbox.Path("config")};
  ScopedEnv runtime_{"XDG_RUNTIME_DIR", sandbox.Path("runtime")};
  bool started_ = false;
};
