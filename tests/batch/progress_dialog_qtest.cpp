// The Convert command of the main window: its checks, and the progress
// dialog running the worker, with the fake decoder first on PATH.
#include <QTest>

#include "app/job_state.h"
#include "app/settings.h"
#include "batch/conversion_dialog.h"
#include "batch/progress_dialog.h"
#include "platform/files.h"
#include "ui/main/main_window.h"
#include "ui/support/ui_session.h"

namespace {

struct Observed {
  QStringList titles;
  QString endTitle, endFileLine, endTimeLine;
  bool timeLineVisible = true;
  int barMaximum = 0, endBar = 0;
  bool okEnabledWhileRunning = false;
};

class ConversionSession {
 public:
  ConversionSession() {
    session.sandbox.InstallFakeDecoder();
    session.Start();
    CreateFolder(session.sandbox.Path("out"));
    WriteFile(input, "x");
    TheMainWindow()->InputFileField->setText(QString::fromStdString(input));
    TheMainWindow()->OutputFolderCombo->addItem(QString::fromStdString(session.sandbox.Path("out")));
    TheMainWindow()->OutputFolderCombo->setCurrentIndex(TheMainWindow()->OutputFolderCombo->count() - 1);
    SetProgressObserver([this](ProgressDialog& dialog) {
      const QString title = dialog.windowTitle();
      if (observed.titles.isEmpty() || observed.titles.back() != title) observed.titles << title;
      observed.timeLineVisible = !dialog.TimeLine->isHidden();
      observed.barMaximum = dialog.Bar->maximum();
      if (!dialog.OkButton->isEnabled()) return;
      observed.endTitle = title;
      observed.endFileLine = dialog.FileLine->text();
      observed.endTimeLine = dialog.TimeLine->text();
      observed.endBar = dialog.Bar->value();
      dialog.OkButton->click();
    });
  }
  ~ConversionSession() {
    SetProgressObserver(nullptr);
    SetBreakQuestion(nullptr);
  }

  UiSession session;
  ScopedEnv path{"PATH", session.sandbox.Path("bin")};
  std::optional<ScopedEnv> plan;
  std::optional<ScopedEnv> delay;
  const std::string input = session.sandbox.Path("work/photo.pcd");
  Observed observed;
};

}  // namespace

class ProgressDialogTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void oneFileConverts() {
    ConversionSession run;
    run.plan.emplace("FAKE_CONVERT_PLAN", "6=64x48");
    StartConversion();
    QVERIFY(run.session.messages.empty());
    QVERIFY(PathExists(run.session.sandbox.Path("out/photo.jpg")));
    QVERIFY(run.observed.titles.contains("Converting (1/1)"));
    QCOMPARE(run.observed.endTitle, QString("Conversion complete (1/1)"));
    QCOMPARE(run.observed.endFileLine, QString("Files converted: 1 of 1"));
    QCOMPARE(run.observed.endTimeLine, QString("Time Remaining: 00:00:00"));
    QVERIFY(!run.observed.timeLineVisible);
    QCOMPARE(run.observed.barMaximum, 2);
    QCOMPARE(run.observed.endBar, 2);
    QCOMPARE(TheMainWindow()->StatusField->text(), QString("Conversion complete"));
    QVERIFY(TheMainWindow()->isEnabled());
    QCOMPARE(TheMainWindow()->OutputFolderCombo->currentText().toStdString(), run.session.sandbox.Path("out/"));
    QCOMPARE(g_settings.File.RecentOutFolders, run.session.sandbox.Path("out/"));
  }

  void aFailedFileStillCompletes() {
    ConversionSession run;
    run.plan.emplace("FAKE_CONVERT_PLAN", "*=none");
    StartConversion();
    QCOMPARE(run.observed.endTitle, QString("Conversion complete (1/1)"));
    QCOMPARE(run.observed.endFileLine, QString("Files converted: 0 of 1"));
  }

  void theBreakQuestion() {
    for (const bool stop : {false, true}) {
      ConversionSession run;
      run.plan.emplace("FAKE_CONVERT_PLAN", "6=64x48");
      run.delay.emplace("FAKE_CONVERT_DELAY_MS", "300");
      bool asked = false;
      SetBreakQuestion([&] {
        asked = true;
        return stop;
      });
      SetProgressObserver([&](ProgressDialog& dialog) {
        if (!asked) dialog.RequestClose();
        if (dialog.OkButton->isEnabled()) {
          run.observed.endTitle = dialog.windowTitle();
          run.observed.endFileLine = dialog.FileLine->text();
          dialog.RequestClose();  // after the end a close request leaves
        }
      });
      StartConversion();
      QVERIFY(asked);
      // The file being converted is finished either way.
      QVERIFY(PathExists(run.session.sandbox.Path("out/photo.jpg")));
      if (stop) {
        QCOMPARE(run.observed.endTitle, QString("Conversion stopped (1/1)"));
        QCOMPARE(run.observed.endFileLine, QString("Conversion stopped"));
        QCOMPARE(TheMainWindow()->StatusField->text(), QString("Conversion stopped"));
      } else {
        QCOMPARE(run.observed.endTitle, QString("Conversion complete (1/1)"));
      }
    }
  }

  void checksStopAtTheFirstFailure() {
    const struct {
      std::function<void(ConversionSession&)> arrange;
      std::string message;
      bool statusStopped;
    } cases[] = {
        {[](ConversionSession& run) { TheMainWindow()->InputFileField->setText("  "); },
         "No input file(s) found. Please, add valid file(s) and try again!", true},
        {[](ConversionSession& run) { TheMainWindow()->OutputFolderCombo->setCurrentIndex(-1); },
         "The output folder's field is empty. Please, select existed output folder and try again!", true},
        {[](ConversionSession& run) {
           TheMainWindow()->OutputFolderCombo->setItemText(TheMainWindow()->OutputFolderCombo->currentIndex(),
                                                           "/no/such/folder");
         },
         "The following output folder is invalid or doesn't exist:\r\n/no/such/folder/\r\n\r\nPlease, correct the "
         "output path and try again!",
         true},
        {[](ConversionSession&) { g_settings.Transform.DoImageResize = 1, g_settings.Transform.ImageHeight = 5; },
         "Invalid resize width value!", true},
        {[](ConversionSession&) { g_settings.Transform.DoImageResize = 1, g_settings.Transform.ImageWidth = 5; },
         "Invalid resize height value!", true},
        {[](ConversionSession&) { g_settings.Watermark.DoWatermark = 1, g_settings.Watermark.Font = "No Such Face Here"; },
         "Unable to load selected font for a watermark: No Such Face Here", false},
        {[](ConversionSession&) { g_settings.Watermark.DoWatermark = 2, g_settings.Watermark.Image = ""; },
         "Selected watermark image is invalid/empty!", false},
        {[](ConversionSession& run) {
           g_settings.Watermark.DoWatermark = 2, g_settings.Watermark.Image = run.session.sandbox.Path("none.png");
         },
         "Unable to load selected file as a watermark image: " + std::string("@SANDBOX@none.png"), false},
    };
    for (const auto& c : cases) {
      ConversionSession run;
      c.arrange(run);
      std::string expected = c.message;
      if (const size_t at = expected.find("@SANDBOX@"); at != std::string::npos)
        expected.replace(at, 9, run.session.sandbox.Root());
      StartConversion();
      QCOMPARE(run.session.messages.size(), size_t(1));
      QCOMPARE(run.session.messages[0].text, expected);
      QCOMPARE(TheMainWindow()->StatusField->text(), QString(c.statusStopped ? "Conversion stopped" : "Preparing..."));
      QVERIFY(run.observed.titles.isEmpty());
    }
  }

  void aFolderTypedWithoutSeparatorIsAccepted() {
    ConversionSession run;
    run.plan.emplace("FAKE_CONVERT_PLAN", "6=64x48");
    QComboBox* combo = TheMainWindow()->OutputFolderCombo;
    combo->setItemText(combo->currentIndex(), QString::fromStdString(run.session.sandbox.Path("out")));
    StartConversion();
    QVERIFY(run.session.messages.empty());
    QVERIFY(PathExists(run.session.sandbox.Path("out/photo.jpg")));
  }
};

QTEST_MAIN(ProgressDialogTest)
#include "progress_dialog_qtest.moc"
