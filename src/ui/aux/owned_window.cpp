#include "ui/aux/owned_window.h"

#include <QWindow>

#include "ui/main/main_window.h"

void ShowOverMainWindow(QWidget& window) {
  MainWindow* main = TheMainWindow();
  if (main) {
    window.move(main->geometry().center() - window.rect().center());
    window.winId();  // creates the native window, so it can be given its owner
    if (window.windowHandle() && main->windowHandle()) window.windowHandle()->setTransientParent(main->windowHandle());
  }
  window.show();
  if (main) main->setEnabled(false);
  window.activateWindow();
  window.raise();
}

void ReturnToMainWindow() {
  MainWindow* main = TheMainWindow();
  if (!main) return;
  main->setEnabled(true);
  main->activateWindow();
  main->raise();
}
