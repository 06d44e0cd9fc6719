#include "app/startup.h"
#include "ui/aux/screenshot_mode.h"
#include "ui/aux/uninstall_window.h"
#include "ui/main/windowed_app.h"

int main(int argc, char** argv) {
  return RunProgram(argc, argv, RunWindowedApplication, RunUninstallApplication, RunScreenshotApplication);
}
