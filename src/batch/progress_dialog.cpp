#include "batch/progress_dialog.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QFontMetrics>
#include <QTimer>
#include <QWindow>

#include "batch/progress.h"
#include "batch/run_texts.h"
#include "batch/worker.h"
#include "i18n/format_text.h"
#include "i18n/text_table.h"
#include "ui/main/main_window.h"
#include "ui/message_box.h"
#include "ui/ui_text.h"

namespace {

constexpr int kPollMilliseconds = 15;
constexpr int kLineWidth = 280;
constexpr int kFewFiles = 5;

std::function<bool()> g_breakQuestion;
std::function<void(ProgressDialog&)> g_observer;

bool AskBreakConversion() {
  if (g_breakQuestion) return g_breakQuestion();
  return ShowMessage(MessageKind::Question, GetText("Msg", "Warning"), GetText("Msg", "Ask break conversion"));
}

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

void SetBreakQuestion(std::function<bool()> question) { g_breakQuestion = std::move(question); }
void SetProgressObserver(std::function<void(ProgressDialog&)> observer) { g_observer = std::move(observer); }

// The dialog is a window of its own (not a child widget), so disabling the
// main window does not disable it; the window system still knows it belongs
// to the main window.
ProgressDialog::ProgressDialog(QWidget* owner, int total) : owner_(owner), total_(total) {
  setWindowTitle(UiText("Dialog", "Convert Progress"));
  setFixedSize(300, 130);
  FileLine = new QLabel(this);
  FileLine->setGeometry(10, 13, kLineWidth, 20);
  TimeLine = new QLabel(Q(FormatText(GetText("Dialog", "Time Remaining"), GetText("Dialog", "Time Unknown"))), this);
  TimeLine->setGeometry(10, 33, kLineWidth, 20);
  Bar = new QProgressBar(this);
  Bar->setGeometry(10, 60, kLineWidth, 20);
  Bar->setRange(0, total + 1);
  Bar->setValue(0);
  Bar->setTextVisible(false);
  OkButton = new QPushButton(UiText("Dialog", "OK"), this);
  OkButton->setGeometry(110, 95, 80, 25);
  OkButton->setDefault(true);
  OkButton->setEnabled(false);
  connect(OkButton, &QPushButton::clicked, this, [this] { leave_ = true; });
  if (total < kFewFiles) {
    TimeLine->hide();
    Bar->move(10, 50);
  }
  const int measured = QFontMetrics(font()).horizontalAdvance("abc123:\\-") / 9;
  characterWidth_ = measured > 0 ? measured : 7;
  if (owner) {
    move(owner->geometry().center() - rect().center());
    winId();
    if (windowHandle() && owner->windowHandle()) windowHandle()->setTransientParent(owner->windowHandle());
  }
}

std::string ProgressDialog::ProgressText(int index) const {
  return FormatText(GetText("Msg", "Progress"), std::to_string(index), std::to_string(total_));
}

void ProgressDialog::ShowProgress(int index, const std::string& file, int64_t lastDuration) {
  setWindowTitle(Q(GetText("Dialog", "Convert Progress") + " " + ProgressText(index)));
  const int maxChars = kLineWidth / characterWidth_;
  FileLine->setText(Q(characterWidth_ * int(file.size()) > kLineWidth ? ShortenMiddle(file, maxChars) : file));
  if (total_ >= kFewFiles && lastDuration != 0)
    TimeLine->setText(Q(FormatText(GetText("Dialog", "Time Remaining"),
                                   FormatDuration(lastDuration * (total_ - index + 1)))));
  Bar->setValue(index);
  shown_ = index;
}

void ProgressDialog::ShowEnd(int converted) {
  if (stopped_) {
    const std::string stoppedText = GetText("Msg", "Conversion is not complete");
    SetStatusText(stoppedText);
    setWindowTitle(Q(stoppedText + " " + ProgressText(shown_)));
    FileLine->setText(Q(stoppedText));
  } else {
    const std::string complete = GetText("Msg", "Conversion complete");
    SetStatusText(complete);
    setWindowTitle(Q(complete + " " + ProgressText(shown_)));
    FileLine->setText(
        Q(FormatText(GetText("Msg", "Files converted"), std::to_string(converted), std::to_string(total_))));
    TimeLine->setText(Q(FormatText(GetText("Dialog", "Time Remaining"), "00:00:00")));
    Bar->setValue(total_ + 1);
  }
  OkButton->setEnabled(true);
}

void ProgressDialog::Poll() {
  if (ended_) return;
  int index = 0, converted = 0;
  int64_t lastDuration = 0;
  std::string file;
  const bool finished = run_.Finished();
  {
    std::lock_guard lock(ProgressLock);
    index = g_progress.CurrentIndex;
    file = g_progress.CurrentFile;
    lastDuration = g_progress.LastDuration;
    converted = g_progress.ConvertedCount;
  }
  if (index > shown_) ShowProgress(index, file, lastDuration);
  if (finished) {
    ended_ = true;
    converted_ = converted;
    ShowEnd(converted);
  }
}

void ProgressDialog::RequestClose() {
  if (ended_) {
    leave_ = true;
    return;
  }
  // The worker stands still before its next file while the user decides.
  HoldWorker();
  const bool stop = AskBreakConversion();
  ResumeWorker();
  if (stop) {
    RequestWorkerStop();
    stopped_ = true;
  }
}

void ProgressDialog::closeEvent(QCloseEvent* event) {
  event->ignore();
  RequestClose();
}

void ProgressDialog::reject() { RequestClose(); }

int ProgressDialog::Run() {
  if (owner_) owner_->setEnabled(false);
  show();
  activateWindow();
  run_.Start();
  QEventLoop loop;
  QTimer timer;
  timer.setInterval(kPollMilliseconds);
  connect(&timer, &QTimer::timeout, &loop, [&] {
    Poll();
    if (g_observer) g_observer(*this);
    if (leave_) loop.quit();
  });
  timer.start();
  loop.exec();
  run_.Wait();
  hide();
  if (owner_) {
    owner_->setEnabled(true);
    owner_->activateWindow();
  }
  return converted_;
}
