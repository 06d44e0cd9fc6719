// The update check's boxes, on demand and on schedule, against a server on
// 127.0.0.1.
#include <QTest>

#include "app/job_state.h"
#include "app/settings.h"
#include "online/loopback_server.h"
#include "online/vendor.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "support/program_state.h"
#include "support/sandbox.h"
#include "ui/main/command_dispatch.h"
#include "ui/main/commands.h"
#include "ui/online/update_check_boxes.h"
#include "ui/support/opened_links.h"
#include "ui/support/ui_session.h"

Q_DECLARE_METATYPE(MessageKind)

namespace {

constexpr int64_t kNow = 1700000000;
constexpr int64_t kDay = 86400;

void WriteUpdateSettings(const UiSession& session, int range, int64_t date) {
  CreateFolderTree(FolderPart(session.ConfigPath()));
  WriteFile(session.ConfigPath(), "\xEF\xBB\xBF[General]\r\nCFG = 19\r\nUpdate Range = " + std::to_string(range) +
                                      "\r\nUpdate Date = " + std::to_string(date) + "\r\n");
}

}  // namespace

class UpdateCheckTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() {
    SetFixedLocalDateForTesting(kNow);
    links.targets.clear();
  }
  void cleanup() {
    SetFixedLocalDateForTesting(0);
  }

  void theCheckReportsWhatTheServerSays_data() {
    QTest::addColumn<QString>("body");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<MessageKind>("kind");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("opensProductPage");
    const QString offer = "A new version of Tarnwick PCD to JPG is available! Are you ready to download it right now?";
    const QString noUpdate = "There is no update of Tarnwick PCD to JPG yet. You're using the most recent version.";
    QTest::newRow("291, yes") << "291" << true << MessageKind::Question << "New Update" << offer << true;
    QTest::newRow("291, no") << "291" << false << MessageKind::Question << "New Update" << offer << false;
    QTest::newRow("2915") << "2915" << true << MessageKind::Question << "New Update" << offer << true;
    QTest::newRow("290") << "290" << true << MessageKind::Information << "No Update" << noUpdate << false;
    QTest::newRow("12") << "12" << true << MessageKind::Information << "No Update" << noUpdate << false;
    QTest::newRow("letters") << "abc" << true << MessageKind::Error << "Error" << "Internet connection problems!"
                             << false;
    QTest::newRow("empty") << "" << true << MessageKind::Error << "Error" << "Internet connection problems!" << false;
  }

  void theCheckReportsWhatTheServerSays() {
    QFETCH(QString, body);
    QFETCH(bool, yes);
    QFETCH(MessageKind, kind);
    QFETCH(QString, title);
    QFETCH(QString, text);
    QFETCH(bool, opensProductPage);
    UiSession session;
    session.Start();
    session.questionAnswer = yes;
    LoopbackServer server({ReplyWithBody(body.toStdString())});
    ScopedEnv vendor("TARNWICK_VENDOR_URL", server.Url());
    const int64_t dateBefore = g_settings.General.UpdateDate;
    RaiseCommand(kCommandCheckForNewVersion);
    QCOMPARE(session.messages.size(), size_t(1));
    QCOMPARE(session.messages[0].kind, kind);
    QCOMPARE(QString::fromStdString(session.messages[0].title), title);
    QCOMPARE(QString::fromStdString(session.messages[0].text), text);
    QCOMPARE(links.targets, opensProductPage ? std::vector<std::string>{ProductPageUrl()} : std::vector<std::string>{});
    // The menu's check neither asks first nor moves the date.
    QCOMPARE(g_settings.General.UpdateDate, dateBefore);
  }

  void theScheduleAsksAtStart_data() {
    QTest::addColumn<int>("range");
    QTest::addColumn<qint64>("date");
    QTest::addColumn<bool>("asked");
    QTest::newRow("weekly, eight days ago") << 1 << qint64(kNow - 8 * kDay) << true;
    QTest::newRow("monthly, exactly 30 days ago") << 2 << qint64(kNow - 30 * kDay) << false;
    QTest::newRow("monthly, a second more") << 2 << qint64(kNow - 30 * kDay - 1) << true;
    QTest::newRow("never") << 5 << qint64(0) << false;
  }

  void theScheduleAsksAtStart() {
    QFETCH(int, range);
    QFETCH(qint64, date);
    QFETCH(bool, asked);
    UiSession session;
    WriteUpdateSettings(session, range, date);
    session.Start();
    if (!asked) {
      QVERIFY(session.messages.empty());
      QCOMPARE(g_settings.General.UpdateDate, date);
      return;
    }
    QCOMPARE(session.messages.size(), size_t(1));
    QCOMPARE(session.messages[0].kind, MessageKind::Question);
    QCOMPARE(session.messages[0].title, std::string("Check for Updates"));
    QCOMPARE(session.messages[0].text, std::string("Do you want to check for updates?"));
    // Answered No: no check, and the next question waits a full interval.
    QCOMPARE(g_settings.General.UpdateDate, kNow);
  }

  void answeringYesRunsTheCheck() {
    LoopbackServer server({ReplyWithBody("290")});
    ScopedEnv vendor("TARNWICK_VENDOR_URL", server.Url());
    UiSession session;
    session.questionAnswer = true;
    WriteUpdateSettings(session, 1, kNow - 8 * kDay);
    session.Start();
    QCOMPARE(session.messages.size(), size_t(2));
    QCOMPARE(session.messages[1].title, std::string("No Update"));
    QCOMPARE(g_settings.General.UpdateDate, kNow);
    QVERIFY(server.Request().starts_with("GET /files/velmora.dat HTTP/1.0\r\n"));
  }

  void screenshotModeNeverAsks() {
    UiSession session;
    session.Start();
    g_settings.General.UpdateRange = 0;
    g_settings.General.UpdateDate = kNow - 400 * kDay;
    g_job.RunMarker = "T";
    ScheduledUpdateCheck();
    g_job.RunMarker.clear();
    QVERIFY(session.messages.empty());
    QCOMPARE(g_settings.General.UpdateDate, kNow - 400 * kDay);
  }

 private:
  OpenedLinks links;
};

QTEST_MAIN(UpdateCheckTest)
#include "update_check_qtest.moc"
