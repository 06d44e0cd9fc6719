#include "ui/main/quit.h"

#include <QCoreApplication>

bool QuitFlag = false;

void RequestQuit() {
  QuitFlag = true;
  QCoreApplication::quit();
}
