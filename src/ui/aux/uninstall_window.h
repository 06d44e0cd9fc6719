#pragma once
// The uninstall feedback run ("-U"): a small window offers the vendor's
// uninstall page, then the program ends.
#include <QCheckBox>
#include <QPushButton>
#include <QWidget>

class UninstallWindow : public QWidget {
  Q_OBJECT

 public:
  UninstallWindow();

  QCheckBox* VisitCheckBox = nullptr;
  QPushButton* NextButton = nullptr;

 Q_SIGNALS:
  // Next was pressed or the window was closed.
  void Finished();

 protected:
  void closeEvent(QCloseEvent* event) override;
};

// Shows the window and waits until Next (opening the uninstall page when
// the box is checked) or the close box.
void RunUninstallFeedback();
// The window while RunUninstallFeedback waits, or nullptr.
UninstallWindow* TheUninstallWindow();
// The whole "-U" run with its own toolkit; returns the exit status.
int RunUninstallApplication(int argc, char** argv);
