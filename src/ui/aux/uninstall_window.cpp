#include "ui/aux/uninstall_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QScreen>

#include "i18n/text_table.h"
#include "online/links.h"
#include "ui/aux/owned_window.h"
#include "ui/online/open_link.h"
#include "ui/ui_text.h"

namespace {

UninstallWindow* g_window = nullptr;

QString Text(const char* key) { return UiText("Uninstall", key); }

void CentreOnScreen(QWidget& window) {
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    window.move(screen->availableGeometry().center() - window.rect().center());
}

}  // namespace

UninstallWindow::UninstallWindow() : QWidget(nullptr, kCaptionAndCloseBox) {
  setWindowTitle(Text("Title"));
  setFixedSize(300, 100);
  VisitCheckBox = new QCheckBox(Text("Uninstall Text"), this);
  VisitCheckBox->setGeometry(30, 20, 250, 20);
  VisitCheckBox->setChecked(true);
  NextButton = new QPushButton(Text("Next"), this);
  NextButton->setGeometry(200, 60, 80, 25);
  NextButton->setDefault(true);
  connect(NextButton, &QPushButton::clicked, this, [this] {
    if (VisitCheckBox->isChecked()) OpenLink(UninstallPageUrl());
    Q_EMIT Finished();
  });
}

void UninstallWindow::closeEvent(QCloseEvent* event) {
  event->accept();
  Q_EMIT Finished();
}

void RunUninstallFeedback() {
  UninstallWindow window;
  CentreOnScreen(window);
  QEventLoop loop;
  QObject::connect(&window, &UninstallWindow::Finished, &loop, &QEventLoop::quit);
  g_window = &window;
  window.show();
  window.activateWindow();
  window.NextButton->setFocus();
  loop.exec();
  g_window = nullptr;
}

UninstallWindow* TheUninstallWindow() { return g_window; }

int RunUninstallApplication(int argc, char** argv) {
  QApplication application(argc, argv);
  RunUninstallFeedback();
  return 0;
}
