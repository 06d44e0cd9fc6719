// The Preferences window itself: its pages, its layout, and the ways out.
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTreeWidget>
#include <QWindow>

#include <algorithm>
#include <functional>

#include "platform/files.h"
#include "ui/main/main_window.h"
#include "preferences_test_support.h"

namespace {

const QStringList kPageNames = {"General",    "Interface", "Input",     "Output",  "Transform",
                                "Adjustment", "Frame",     "Watermark", "Advanced"};

int VisiblePage(const PreferencesWindow* window) {
  int visible = -1;
  for (int page = 0; page < kPreferencesPageCount; ++page)
    if (!window->Pages[page]->isHidden()) visible = visible < 0 ? page : -2;  // -2: more than one
  return visible;
}

std::vector<std::string> PanelNames(const PreferencesWindow* window, int page) {
  std::vector<std::string> names;
  for (const BuiltPanel& panel : window->Panels)
    if (panel.page == page) names.push_back(panel.name);
  return names;
}

QList<QWidget*> ControlsLeftToRight(const BuiltRow& row) {
  QList<QWidget*> controls;
  for (QWidget* control : std::initializer_list<QWidget*>{row.combo, row.check, row.field, row.slider, row.spin,
                                                          row.date, row.button})
    if (control) controls << control;
  std::sort(controls.begin(), controls.end(), [](QWidget* a, QWidget* b) { return a->x() < b->x(); });
  return controls;
}

}  // namespace

class PreferencesWindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void cleanup() { ResetPreferencesWindow(); }

  void opensOnTheStartPageOnceThenOnGeneral() {
    PreferencesSession session;
    PreferencesWindow* window = OpenPreferencesOn(kOutputPage);
    QVERIFY(window);
    QCOMPARE(window->PageList->currentItem()->text(0), QString("Output"));
    QCOMPARE(window->PageTitle->text(), QString("Output"));
    QCOMPARE(VisiblePage(window), int(kOutputPage));
    QCOMPARE(int(g_job.PreferencesStartPage), 0);
    window->CancelButton->click();
    FinishClosing();

    OpenPreferencesWindow();
    window = ThePreferencesWindow();
    QVERIFY(window);
    QCOMPARE(window->PageList->indexOfTopLevelItem(window->PageList->currentItem()), 0);
    QCOMPARE(window->PageTitle->text(), QString("General"));
    QCOMPARE(VisiblePage(window), int(kGeneralPage));
  }

  void theFirstPageStandsInForAStartPageThatDoesNotExist() {
    PreferencesSession session;
    PreferencesWindow* window = OpenPreferencesOn(12);
    QVERIFY(window);
    QCOMPARE(window->PageTitle->text(), QString("General"));
    QCOMPARE(VisiblePage(window), int(kGeneralPage));
  }

  void isAFixedWindowOfItsOwnOverTheDisabledMainWindow() {
    PreferencesSession session;
    MainWindow* main = TheMainWindow();
    PreferencesWindow* window = OpenPreferencesOn(kGeneralPage);
    QVERIFY(window);
    QVERIFY(!window->parentWidget());
    QCOMPARE(window->windowHandle()->transientParent(), main->windowHandle());
    QVERIFY(!main->isEnabled());
    QVERIFY(window->isEnabled() && window->isVisible());
    QCOMPARE(window->windowTitle(), QString("Preferences..."));
    QCOMPARE(window->size(), QSize(600, 350));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(window->windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!(window->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(window->focusWidget(), static_cast<QWidget*>(window->PageList));

    QCOMPARE(window->PageList->geometry(), QRect(10, 10, 120, 295));
    QCOMPARE(window->PageList->topLevelItemCount(), 9);
    for (int i = 0; i < 9; ++i) {
      QCOMPARE(window->PageList->topLevelItem(i)->text(0), kPageNames[i]);
      QCOMPARE(window->PageList->topLevelItem(i)->childCount(), 0);
      QCOMPARE(window->Pages[i]->geometry(), QRect(140, 50, 450, 255));
    }
    QCOMPARE(window->PageTitle->geometry(), QRect(150, 17, 330, 20));
    QVERIFY(window->PageTitle->font().bold());
    QCOMPARE(window->PageTitle->font().pointSize(), 10);
    QCOMPARE(window->PageTitle->palette().color(QPalette::Window), QColor(Qt::white));
    const struct {
      QPushButton* button;
      QString text;
      QRect place;
    } buttons[] = {{window->DefaultsButton, "Defaults", {10, 315, 80, 25}},
                   {window->OkButton, "OK", {420, 315, 80, 25}},
                   {window->CancelButton, "Cancel", {510, 315, 80, 25}}};
    for (const auto& b : buttons) {
      QCOMPARE(b.button->text(), b.text);
      QCOMPARE(b.button->geometry(), b.place);
    }
  }

  void scrollableContainersHaveTheirInnerSizes() {
    PreferencesSession session;
    PreferencesWindow* window = OpenPreferencesOn(kGeneralPage);
    QVERIFY(window);
    const struct {
      int page;
      const char* panel;  // nullptr: the page itself
      int innerHeight;
    } cases[] = {{kTransformPage, nullptr, 375}, {kAdjustmentPage, nullptr, 285}, {kFramePage, "solid", 310},
                 {kWatermarkPage, "text", 610},  {kWatermarkPage, "image", 310}};
    for (const auto& c : cases) {
      QWidget* container = c.panel ? FindPreferencesPanel(c.page, c.panel) : window->Pages[c.page];
      auto* area = qobject_cast<QScrollArea*>(container);
      QVERIFY2(area, kPageNames[c.page].toUtf8());
      if (c.panel) QCOMPARE(area->geometry(), QRect(0, 40, 450, 215));
      QCOMPARE(area->frameShape(), QFrame::NoFrame);
      QCOMPARE(area->verticalScrollBar()->singleStep(), 10);
      QCOMPARE(area->widget()->size(), QSize(420, c.innerHeight));
    }
    for (int plain : {kGeneralPage, kInterfacePage, kInputPage, kOutputPage, kFramePage, kWatermarkPage, kAdvancedPage})
      QVERIFY(!qobject_cast<QScrollArea*>(window->Pages[plain]));
  }

  void thePageListSwitchesPages() {
    PreferencesSession session;
    PreferencesWindow* window = OpenPreferencesOn(kGeneralPage);
    QVERIFY(window);
    for (int i : {4, 8, 1, 7, 0}) {
      window->PageList->setCurrentItem(window->PageList->topLevelItem(i));
      QCOMPARE(VisiblePage(window), i);
      QCOMPARE(window->PageTitle->text(), kPageNames[i]);
    }
    for (int outside : {-1, 9}) {
      ShowPreferencesPage(outside);
      QCOMPARE(VisiblePage(window), 0);
      QCOMPARE(window->PageTitle->text(), QString("General"));
    }
  }

  void everyFormatHasItsPanelAndOnlyTheSelectedOneShows() {
    PreferencesSession session;
    PreferencesWindow* window = OpenPreferencesOn(kOutputPage);
    QVERIFY(window);
    QCOMPARE(PanelNames(window, kInputPage), (std::vector<std::string>{"dds", "gif", "ico", "psd", "raw", "tiff"}));
    QCOMPARE(
        PanelNames(window, kOutputPage),
        (std::vector<std::string>{"bmp", "dds", "exr", "gif", "hdr", "ico", "j2k", "jng",  "jp2",  "jpg",  "jxr", "pbm",
                                  "pcx", "pfm", "pgm", "png", "ppm", "psd", "tga", "tiff", "wbmp", "webp", "xpm"}));
    for (const BuiltPanel& panel : window->Panels) {
      if (panel.page != kInputPage && panel.page != kOutputPage) continue;
      // pcd has no input options; jpg is the product's output format.
      QCOMPARE(!panel.widget->isHidden(), panel.page == kOutputPage && std::string(panel.name) == "jpg");
      QCOMPARE(panel.widget->geometry(), QRect(0, 40, 450, 215));
    }
    const BuiltRow* input = FindPreferencesRow("Input", "Format");
    QCOMPARE(input->combo->count(), 1);
    QCOMPARE(input->combo->currentText(), QString("PCD"));
    QVERIFY(!input->combo->itemIcon(0).isNull());
  }

  void bitDepthCombosOfferAutoAndTheFormatsDepths() {
    PreferencesSession session;
    PreferencesWindow* window = OpenPreferencesOn(kOutputPage);
    QVERIFY(window);
    const struct {
      const char* key;
      QStringList items;
    } cases[] = {{"BMP BPP", {"Auto", "1", "4", "8", "16", "24", "32"}},
                 {"DDS BPP", {"Auto"}},
                 {"JPG BPP", {"Auto", "8", "24"}},
                 {"WEBP BPP", {"Auto", "24", "32"}}};
    for (const auto& c : cases) {
      const BuiltRow* row = FindPreferencesRow("Output", c.key);
      QVERIFY2(row, c.key);
      QStringList items;
      for (int i = 0; i < row->combo->count(); ++i) items << row->combo->itemText(i);
      QCOMPARE(items, c.items);
      QCOMPARE(row->label->text(), QString("Bits Per Pixel:"));
    }
  }

  void rowsSitOnTheGrid() {
    PreferencesSession session;
    PreferencesWindow* window = OpenPreferencesOn(kGeneralPage);
    QVERIFY(window);
    // Row number and the places of label, first and second control.
    const struct {
      const char* section;
      const char* key;
      int row;
      QRect first, second;
    } cases[] = {
        {"General", "Update Range", 1, {170, 40, 240, 21}, {}},
        {"General", "Save Window Position", 2, {170, 70, 240, 20}, {}},
        {"Input", "RAW Header Size", 1, {170, 40, 160, 20}, {340, 39, 70, 21}},
        {"Output", "JPG Quality", 1, {170, 40, 170, 20}, {340, 40, 70, 20}},
        {"Transform", "Image Rotation Back Color", 3, {170, 99, 44, 22}, {220, 100, 190, 20}},
        {"Watermark", "Text", 0, {170, 10, 240, 20}, {}},
        {"Watermark", "Font", 1, {170, 40, 214, 21}, {389, 39, 22, 22}},
        {"Watermark", "Font Color", 4, {170, 130, 214, 21}, {389, 129, 22, 22}},
        {"Watermark", "Image", 0, {170, 10, 214, 20}, {389, 9, 22, 22}},
        {"Advanced", "Custom Timestamp", 2, {170, 70, 240, 21}, {}},
    };
    for (const auto& c : cases) {
      const BuiltRow* row = FindPreferencesRow(c.section, c.key);
      QVERIFY2(row, c.key);
      QCOMPARE(row->label->geometry(), QRect(10, 13 + 30 * c.row, 160, 20));
      const QList<QWidget*> controls = ControlsLeftToRight(*row);
      QCOMPARE(controls.front()->geometry(), c.first);
      if (!c.second.isNull()) QCOMPARE(controls.at(1)->geometry(), c.second);
    }
    QCOMPARE(FindPreferencesRow("Watermark", "Font")->button->text(), QString("..."));
    QCOMPARE(FindPreferencesRow("Advanced", "Custom Timestamp")->date->displayFormat(), QString("yyyy/MM/dd HH:mm"));
    QVERIFY(FindPreferencesRow("Transform", "Image Rotation Back Color")->field->isReadOnly());
  }

  void theKeepSubfoldersRowStaysHidden() {
    PreferencesSession session;
    PreferencesWindow* window = OpenPreferencesOn(kAdvancedPage);
    QVERIFY(window);
    const BuiltRow* row = FindPreferencesRow("Advanced", "Keep Subfolders");
    QVERIFY(row->label->isHidden());
    QVERIFY(row->check->isHidden());
    QVERIFY(FindPreferencesRow("Advanced", "Out Folders Number")->label->isVisible());
  }

  void everyWayOutDiscardsTheEdits() {
    const std::pair<const char*, std::function<void(PreferencesWindow*)>> ways[] = {
        {"Cancel", [](PreferencesWindow* window) { window->CancelButton->click(); }},
        {"Escape",
         [](PreferencesWindow* window) {
           window->activateWindow();
           QVERIFY(QTest::qWaitForWindowActive(window));
           QTest::keyClick(window, Qt::Key_Escape);
         }},
        {"close box", [](PreferencesWindow* window) { window->close(); }},
    };
    for (const auto& [name, leave] : ways) {
      PreferencesSession session;
      PreferencesWindow* window = OpenPreferencesOn(kOutputPage);
      QVERIFY(window);
      QPointer<PreferencesWindow> watched = window;
      TypeInto(FindPreferencesRow("Output", "JPG Quality")->spin, "50");
      FindPreferencesRow("Transform", "Do Image Rotation")->check->setChecked(true);
      leave(window);
      QVERIFY2(!ThePreferencesWindow(), name);
      QVERIFY2(TheMainWindow()->isEnabled(), name);
      FinishClosing();
      QVERIFY2(!watched, name);
      QCOMPARE(g_settings.Output.JpgQuality, 95);
      QCOMPARE(int(g_settings.Transform.DoImageRotation), 0);
      QVERIFY2(!PathExists(session.ConfigPath()), name);
    }
  }
};

QTEST_MAIN(PreferencesWindowTest)
#include "preferences_window_qtest.moc"
