#pragma once
// The small modal window that follows a run of the worker.
#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <functional>

#include "batch/worker.h"

class ProgressDialog : public QDialog {
  Q_OBJECT

 public:
  // owner: the main window, which is disabled while the dialog is open.
  ProgressDialog(QWidget* owner, int total);

  // Starts the worker and polls it every 15 ms until the dialog is left;
  // returns the number of converted files.
  int Run();
  // A close request: while the worker runs, asks whether to stop after the
  // current file; afterwards, leaves the dialog.
  void RequestClose();

  QLabel* FileLine = nullptr;
  QLabel* TimeLine = nullptr;
  QProgressBar* Bar = nullptr;
  QPushButton* OkButton = nullptr;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void reject() override;

 private:
  void Poll();
  void ShowProgress(int index, const std::string& file, int64_t lastDuration);
  void ShowEnd(int converted);
  std::string ProgressText(int index) const;

  QWidget* owner_;
  WorkerRun run_;
  int total_;
  int converted_ = 0;
  int characterWidth_;
  int shown_ = 0;
  bool stopped_ = false;
  bool ended_ = false;
  bool leave_ = false;
};

void SetBreakQuestion(std::function<bool()> question);
void SetProgressObserver(std::function<void(ProgressDialog&)> observer);
