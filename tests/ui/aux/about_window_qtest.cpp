// The About window over the main window, on the offscreen platform.
#include <QTest>

#include "online/vendor.h"
#include "themes/image_sets.h"
#include "ui/aux/about_window.h"
#include "ui/main/command_dispatch.h"
#include "ui/main/commands.h"
#include "ui/main/main_window.h"
#include "ui/support/opened_links.h"
#include "ui/support/ui_session.h"

class AboutWindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() {
    links.targets.clear();
  }
  void cleanup() {
    if (AboutWindow* window = TheAboutWindow()) window->close();
  }

  void showsTitleNoticeAndLinks() {
    UiSession session;
    session.Start();
    AboutWindow* window = Open();
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QString("About..."));
    QCOMPARE(window->size(), QSize(360, 240));
    QCOMPARE(window->TitleLine->text(), QString("Tarnwick PCD to JPG 2.9"));
    QVERIFY(!window->NoticeLine->text().isEmpty());
    QCOMPARE(window->Banner->pixmap().size(), QSize(360, 40));
    QVERIFY(window->WebLink->text().contains("color:#0000ff"));
    QVERIFY(window->MailLink->text().contains(QString::fromStdString(SupportMailAddress())));
    QCOMPARE(window->OkButton->text(), QString("OK"));
    QVERIFY(!TheMainWindow()->isEnabled());
    QVERIFY(window->windowHandle()->transientParent() == TheMainWindow()->windowHandle());
  }

  void linksOpenAndTheWindowStays() {
    UiSession session;
    session.Start();
    AboutWindow* window = Open();
    Q_EMIT window->WebLink->linkActivated("#");
    Q_EMIT window->MailLink->linkActivated("#");
    QCOMPARE(links.targets, (std::vector<std::string>{VendorUrl() + "/", "mailto:" + SupportMailAddress()}));
    QCOMPARE(TheAboutWindow(), window);
    QVERIFY(window->isVisible());
  }

  void okReturnAndEscapeClose_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("OK button") << 0;
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Escape") << int(Qt::Key_Escape);
  }

  void okReturnAndEscapeClose() {
    QFETCH(int, key);
    UiSession session;
    session.Start();
    AboutWindow* window = Open();
    if (key == 0) {
      QTest::mouseClick(window->OkButton, Qt::LeftButton);
    } else {
      QTest::keyClick(window, Qt::Key(key));
    }
    QVERIFY(!TheAboutWindow());
    QVERIFY(TheMainWindow()->isEnabled());
    QVERIFY(links.targets.empty());
  }

 private:
  // Shortcuts act in the active window, so wait until it is.
  static AboutWindow* Open() {
    RaiseCommand(kCommandAbout);
    AboutWindow* window = TheAboutWindow();
    if (window && !QTest::qWaitForWindowActive(window)) return nullptr;
    return window;
  }

  OpenedLinks links;
};

QTEST_MAIN(AboutWindowTest)
#include "about_window_qtest.moc"
