// The uninstall feedback window; the uninstall page is answered by the link
// seam, so no browser starts.
#include <QTest>
#include <QTimer>

#include <functional>

#include "online/links.h"
#include "support/program_state.h"
#include "ui/aux/uninstall_window.h"
#include "ui/support/opened_links.h"

namespace {

// Runs the window with `act` applied once it waits. Should the action leave
// it open, it is closed later, so a failing test cannot hang.
void RunWith(const std::function<void(UninstallWindow&)>& act) {
  QObject guard;
  QTimer::singleShot(0, &guard, [&] {
    if (UninstallWindow* window = TheUninstallWindow()) act(*window);
  });
  QTimer::singleShot(10000, &guard, [] {
    if (UninstallWindow* window = TheUninstallWindow()) window->close();
  });
  RunUninstallFeedback();
}

}  // namespace

class UninstallWindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() {
    // The texts of a "-U" start: the console path's table.
    ResetProgramState();
    links.targets.clear();
  }

  void startsCheckedWithItsTexts() {
    QString title, text, next;
    QSize size;
    bool checked = false;
    RunWith([&](UninstallWindow& window) {
      title = window.windowTitle();
      size = window.size();
      text = window.VisitCheckBox->text();
      checked = window.VisitCheckBox->isChecked();
      next = window.NextButton->text();
      window.close();
    });
    QCOMPARE(title, QString("Uninstall"));
    QCOMPARE(size, QSize(300, 100));
    QCOMPARE(text, QString("Full Uninstall - Visit Uninstall Center"));
    QVERIFY(checked);
    QCOMPARE(next, QString("Next"));
    QVERIFY(!TheUninstallWindow());
    QVERIFY(links.targets.empty());
  }

  void nextOpensThePageOnlyWhenChecked_data() {
    QTest::addColumn<bool>("clearTheBox");
    QTest::addColumn<bool>("opensPage");
    QTest::newRow("box checked") << false << true;
    QTest::newRow("box cleared") << true << false;
  }

  void nextOpensThePageOnlyWhenChecked() {
    QFETCH(bool, clearTheBox);
    QFETCH(bool, opensPage);
    bool closedByNext = false;
    RunWith([&](UninstallWindow& window) {
      if (clearTheBox) QTest::mouseClick(window.VisitCheckBox, Qt::LeftButton);
      QObject::connect(&window, &UninstallWindow::Finished, [&] { closedByNext = true; });
      QTest::mouseClick(window.NextButton, Qt::LeftButton);
    });
    QVERIFY(closedByNext);
    QCOMPARE(links.targets, opensPage ? std::vector<std::string>{UninstallPageUrl()} : std::vector<std::string>{});
  }

 private:
  OpenedLinks links;
};

QTEST_MAIN(UninstallWindowTest)
#include "uninstall_window_qtest.moc"
