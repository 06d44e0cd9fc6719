// The Custom Converter window over the main window, on the offscreen
// platform; the search page is answered by the link seam.
#include <QTest>

#include "online/vendor.h"
#include "ui/custom_converter/custom_converter_window.h"
#include "ui/main/command_dispatch.h"
#include "ui/main/commands.h"
#include "ui/main/main_window.h"
#include "ui/support/opened_links.h"
#include "ui/support/ui_session.h"

class CustomConverterTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void init() {
    links.targets.clear();
  }
  void cleanup() {
    if (CustomConverterWindow* window = TheCustomConverter()) window->close();
  }

  void opensEmptyAndModalOverTheMainWindow() {
    UiSession session;
    session.Start();
    CustomConverterWindow* window = Open();
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QString("Find a File Converter"));
    QCOMPARE(window->size(), QSize(370, 60));
    QVERIFY(window->FromExtensionField->text().isEmpty());
    QVERIFY(window->ToExtensionField->text().isEmpty());
    QVERIFY(!TheMainWindow()->isEnabled());
    QVERIFY(window->isEnabled());
    QCOMPARE(window->SearchButton->text(), QString("Search"));
    QVERIFY(window->FromExtensionField->hasFocus());
    QVERIFY(window->windowHandle()->transientParent() == TheMainWindow()->windowHandle());
  }

  void searchOpensThePageForTheNormalizedPair_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Search button") << 0;
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
  }

  void searchOpensThePageForTheNormalizedPair() {
    QFETCH(int, key);
    UiSession session;
    session.Start();
    CustomConverterWindow* window = Open();
    QTest::keyClicks(window->FromExtensionField, ".PCD");
    QTest::keyClicks(window->ToExtensionField, "Jpg");
    if (key == 0) {
      QTest::mouseClick(window->SearchButton, Qt::LeftButton);
    } else {
      QTest::keyClick(window->ToExtensionField, Qt::Key(key));
    }
    QCOMPARE(links.targets, std::vector<std::string>{VendorUrl() + "/find/pcd-jpg/"});
    QVERIFY(!TheCustomConverter());
    QVERIFY(TheMainWindow()->isEnabled());
    QVERIFY(session.messages.empty());
  }

  void fieldsWithoutLettersOrDigitsAreWarnedAbout() {
    UiSession session;
    session.Start();
    CustomConverterWindow* window = Open();
    window->FromExtensionField->setText("***");
    window->ToExtensionField->setText("jpg");
    QTest::keyClick(window->FromExtensionField, Qt::Key_Return);
    QCOMPARE(session.messages.size(), size_t(1));
    QCOMPARE(session.messages[0].kind, MessageKind::Warning);
    QCOMPARE(session.messages[0].title, std::string("Warning"));
    QCOMPARE(session.messages[0].text, std::string("Please, fill all required fields and try again!"));
    QVERIFY(links.targets.empty());
    // The window stays open with what was typed.
    QCOMPARE(TheCustomConverter(), window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->FromExtensionField->text(), QString("***"));
    QVERIFY(!TheMainWindow()->isEnabled());
  }

  void escapeAndTheCloseBoxCloseWithoutSearching() {
    UiSession session;
    session.Start();
    CustomConverterWindow* window = Open();
    window->FromExtensionField->setText("pcd");
    window->ToExtensionField->setText("jpg");
    QTest::keyClick(window->FromExtensionField, Qt::Key_Escape);
    QVERIFY(!TheCustomConverter());
    QVERIFY(TheMainWindow()->isEnabled());

    window = Open();
    QVERIFY(window->FromExtensionField->text().isEmpty());
    window->close();
    QVERIFY(!TheCustomConverter());
    QVERIFY(TheMainWindow()->isEnabled());
    QVERIFY(links.targets.empty());
  }

 private:
  // Shortcuts act in the active window, so wait until it is.
  static CustomConverterWindow* Open() {
    RaiseCommand(kCommandCustomConverter);
    CustomConverterWindow* window = TheCustomConverter();
    if (window && !QTest::qWaitForWindowActive(window)) return nullptr;
    return window;
  }

  OpenedLinks links;
};

QTEST_MAIN(CustomConverterTest)
#include "custom_converter_qtest.moc"
