// The Help menu's commands hand their targets to the desktop.
#include <QTest>

#include "online/vendor.h"
#include "platform/files.h"
#include "ui/main/command_dispatch.h"
#include "ui/main/commands.h"
#include "ui/support/opened_links.h"
#include "ui/support/ui_session.h"

class LinkCommandsTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:

  void eachCommandOpensItsTarget() {
    UiSession session;
    session.Start();
    OpenedLinks opened;
    const std::vector<std::string>& links = opened.targets;
    RaiseCommand(kCommandSendFeedback);
    RaiseCommand(kCommandVisitHomepage);
    RaiseCommand(kCommandManual);
    QCOMPARE(links.size(), size_t(3));
    QCOMPARE(links[0], "mailto:" + SupportMailAddress() + "?subject=Tarnwick PCD to JPG 2.9 Feedback");
    QCOMPARE(links[1], VendorUrl() + "/velmora/");
    QCOMPARE(FilePart(links[2]), std::string("velmora.html"));
    QVERIFY(session.messages.empty());
  }
};

QTEST_MAIN(LinkCommandsTest)
#include "link_commands_qtest.moc"
