// "-U" and "-T" reach the windowed runs handed in by the program's entry,
// and only as the first argument.
#include <QTest>

#include "app/job_state.h"
#include "cli/command_line.h"
#include "themes/image_sets.h"
#include "ui/support/ui_session.h"

class AuxiliaryDispatchTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void cleanup() { g_job = JobState{}; }

  void firstArgumentSelectsTheRun_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("run");
    QTest::addColumn<QString>("folder");
    QTest::newRow("-U") << QStringList{"-U"} << "uninstall" << "";
    QTest::newRow("-u") << QStringList{"-u", "ignored"} << "uninstall" << "";
    QTest::newRow("-T folder") << QStringList{"-T", " /some/folder "} << "screenshot" << "/some/folder";
    QTest::newRow("-t alone") << QStringList{"-t"} << "screenshot" << "";
    QTest::newRow("-U later") << QStringList{"--jpg-quality=80", "-U"} << "" << "";
    QTest::newRow("-T later") << QStringList{"stray", "-T", "/x"} << "" << "";
  }

  void firstArgumentSelectsTheRun() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, run);
    QFETCH(QString, folder);
    UiSession session;
    ArgumentList list;
    for (const QString& argument : arguments) list.push_back(argument.toStdString());
    QString called;
    std::string passedFolder, marker;
    bool picturesLoaded = false;
    const AuxiliaryRuns runs{
        [&] {
          called = "uninstall";
          return 7;
        },
        [&](const std::string& destination) {
          called = "screenshot";
          passedFolder = destination;
          marker = g_job.RunMarker;
          picturesLoaded = !ButtonImages.Find("Convert").IsEmpty() && !MenuIcons.Find("FavFolder").IsEmpty();
          return 8;
        },
    };
    const std::optional<int> status = ParseCommandLine(list, runs);
    QCOMPARE(called, run);
    if (run.isEmpty()) {
      QVERIFY(!status);
      return;
    }
    QCOMPARE(*status, run == "uninstall" ? 7 : 8);
    if (run == "screenshot") {
      QCOMPARE(QString::fromStdString(passedFolder), folder);
      QCOMPARE(marker, std::string("T"));
      QVERIFY(picturesLoaded);
    }
  }
};

QTEST_MAIN(AuxiliaryDispatchTest)
#include "auxiliary_dispatch_qtest.moc"
