// A window ended by the session manager, by Ctrl+C in its terminal or by a
// closed terminal still saves its settings and exits normally.
#include <gtest/gtest.h>

#include <csignal>

#include "support/sandbox.h"

namespace {

TEST(QuitOnSignal, TheWindowSavesItsSettingsAndExits) {
  // The signal is sent only once the program catches it (its bit in SigCgt),
  // so the test never races the start-up.
  const char* script =
      "\"$0\" & pid=$!; i=0\n"
      "while [ $i -lt 1000 ]; do\n"
      "  mask=$(sed -n 's/^SigCgt:[[:space:]]*//p' /proc/$pid/status 2>/dev/null)\n"
      "  [ -n \"$mask\" ] && [ $(( (0x$mask >> ($1 - 1)) & 1 )) = 1 ] && break\n"
      "  sleep 0.01; i=$((i + 1))\n"
      "done\n"
      "kill -$1 $pid; wait $pid";
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
    Sandbox sandbox;
    sandbox.SetEnv("QT_QPA_PLATFORM", "offscreen");
    const ProgramRun run = sandbox.RunProgram("/bin/sh", {"-c", script, VELMORA_BINARY, std::to_string(signal)});
    EXPECT_EQ(run.status, 0) << signal << run.err;
    const std::string config = ReadFile(sandbox.Path("config/Tarnwick/velmora/config.ini"));
    EXPECT_NE(config.find("\r\nX = "), std::string::npos) << signal;
  }
}

}  // namespace
