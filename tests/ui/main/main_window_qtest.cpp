// The main window as the program builds it, on the offscreen platform.
#include <QAction>
#include <QMenuBar>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>

#include "app/job_state.h"
#include "app/settings.h"
#include "config/ini_file.h"
#include "platform/files.h"
#include "themes/image_sets.h"
#include "themes/theme_packages.h"
#include "ui/main/choosers.h"
#include "ui/main/command_dispatch.h"
#include "ui/main/commands.h"
#include "ui/main/input_filter.h"
#include "ui/main/main_window.h"
#include "ui/main/quit.h"
#include "ui/preferences/preferences_dialog.h"
#include "ui/support/ui_session.h"

namespace {

QAction* MenuAction(MainWindow* window, const QString& text) {
  for (QAction* menu : window->menuBar()->actions())
    for (QAction* action : menu->menu()->actions())
      if (action->text() == text) return action;
  return nullptr;
}

QAction* ToolbarAction(MainWindow* window, const QString& tooltip) {
  for (QAction* action : window->MainToolbar->actions())
    if (action->toolTip() == tooltip) return action;
  return nullptr;
}

void DropUrls(const QList<QUrl>& urls) {
  QMimeData data;
  data.setUrls(urls);
  AddDroppedFiles(data);
}

// Keyboard shortcuts act while the main window has the focus.
bool Activate(MainWindow* window) {
  window->activateWindow();
  return QTest::qWaitForWindowActive(window);
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void cleanup() { SetChooserSeam({}); }

  void layoutFollowsTheWidth() {
    UiSession session;
    session.Start();
    MainWindow* window = TheMainWindow();
    QVERIFY(window);
    QTRY_COMPARE(window->width(), 510);
    QCOMPARE(window->FieldButtons[0]->x(), 364);
    QCOMPARE(window->FieldButtons[1]->geometry(), QRect(364, 59, 24, 24));
    QCOMPARE(window->ConvertButton->x(), 400);
    QCOMPARE(window->InputFileField->width(), 350);
    window->resize(800, 260);
    QTRY_COMPARE(window->width(), 800);
    QCOMPARE(window->InputFileField->width(), 640);
    QCOMPARE(window->OutputFolderCombo->width(), 640);
    QCOMPARE(window->OutputFormatCombo->width(), 640);
    QCOMPARE(window->FieldButtons[2]->geometry(), QRect(654, 99, 24, 24));
    QCOMPARE(window->ConvertButton->x(), 690);
    QCOMPARE(window->minimumSize(), QSize(510, 260));
    QCOMPARE(window->maximumHeight(), 260);
  }

  void toolbarIconSizeComesFromTheSetting() {
    const struct {
      int uiSize, pixels;
    } cases[] = {{0, 16}, {1, 24}, {2, 32}, {3, 48}, {4, 64}, {9, 16}};
    for (const auto& c : cases) {
      UiSession session;
      session.Start();
      g_settings.Interface.UiSize = c.uiSize;
      BuildToolbar();
      QCOMPARE(TheMainWindow()->MainToolbar->iconSize(), QSize(c.pixels, c.pixels));
    }
  }

  void menusAndToolbarFollowTheCommandTable() {
    UiSession session;
    session.Start();
    MainWindow* window = TheMainWindow();
    QStringList titles;
    for (QAction* menu : window->menuBar()->actions()) titles << menu->text();
    QCOMPARE(titles, QStringList({"File", "Converter", "Help"}));
    QVERIFY(MenuAction(window, "New\tCtrl+N"));
    QVERIFY(MenuAction(window, "Exit\tAlt+X"));
    QVERIFY(MenuAction(window, "Convert\tF5"));
    QVERIFY(MenuAction(window, "User Manual...\tF1"));
    QVERIFY(MenuAction(window, "Find a File Converter..."));
    QStringList toolbar;
    for (QAction* action : window->MainToolbar->actions()) toolbar << (action->isSeparator() ? "-" : action->toolTip());
    QCOMPARE(toolbar, QStringList({"New", "Add Input File...", "Select Output Folder...", "-", "Preferences...", "-",
                                   "Convert", "-", "User Manual...", "Send Feedback",
                                   "Visit the Program's Homepage", "Check For a New Version"}));
    QCOMPARE(window->FieldButtons[2]->actions().front()->toolTip(), QString("Options..."));
    QCOMPARE(window->OutputFormatCombo->count(), 1);
    QCOMPARE(window->OutputFormatCombo->currentText(), QString("JPG (JPEG File Format)"));
    QCOMPARE(window->NoticeLabel->text(), QString::fromUtf8("Copyright \xC2\xA9 Tarnwick Software"));
    QCOMPARE(window->StatusField->text(), QString("Ready"));
    QCOMPARE(window->windowTitle(), QString("Tarnwick PCD to JPG 2.9"));
  }

  void everyWayOfConvertingRaisesTheSameCommand() {
    UiSession session;
    session.Start();
    MainWindow* window = TheMainWindow();
    QVERIFY(Activate(window));
    const std::string noInput = "No input file(s) found. Please, add valid file(s) and try again!";
    const std::function<void()> ways[] = {
        [&] { QTest::keyClick(window, Qt::Key_F5); },
        [&] { MenuAction(window, "Convert\tF5")->trigger(); },
        [&] { ToolbarAction(window, "Convert")->trigger(); },
        [&] { window->ConvertButton->click(); },
    };
    for (const auto& way : ways) {
      session.messages.clear();
      way();
      QCOMPARE(session.messages.size(), size_t(1));
      QCOMPARE(session.messages[0].text, noInput);
      QCOMPARE(session.messages[0].title, std::string("Warning"));
      QCOMPARE(window->StatusField->text(), QString("Conversion stopped"));
    }
  }

  void anEmptyHistoryStartsWithOneEmptyFolder() {
    UiSession session;
    session.Start();
    QCOMPARE(TheMainWindow()->OutputFolderCombo->count(), 1);
    QCOMPARE(TheMainWindow()->OutputFolderCombo->itemText(0), QString());
  }

  void droppingAddsOnlyTheFirstFile() {
    UiSession session;
    session.Start();
    const std::string first = session.sandbox.Path("first.pcd"), second = session.sandbox.Path("second.pcd");
    WriteFile(first, "x");
    WriteFile(second, "x");
    MainWindow* window = TheMainWindow();
    DropUrls({QUrl::fromLocalFile(QString::fromStdString(first)), QUrl::fromLocalFile(QString::fromStdString(second))});
    QCOMPARE(window->InputFileField->text().toStdString(), first);
    QCOMPARE(window->OutputFolderCombo->currentText().toStdString(), session.sandbox.Root());
    QCOMPARE(g_job.OutputFolder, session.sandbox.Root());
    QCOMPARE(g_settings.File.RecentOutFolders, session.sandbox.Root());

    // Refused files and drops that are no file list change nothing.
    WriteFile(session.sandbox.Path("empty.pcd"), "");
    WriteFile(session.sandbox.Path("photo.jpg"), "x");
    DropUrls({QUrl::fromLocalFile(QString::fromStdString(session.sandbox.Path("empty.pcd")))});
    DropUrls({QUrl::fromLocalFile(QString::fromStdString(session.sandbox.Path("photo.jpg")))});
    DropUrls({QUrl("http://www.tarnwick.example/a.pcd")});
    QCOMPARE(window->InputFileField->text().toStdString(), first);
  }

  void theInputChooserOffersThePhotoCdFilter() {
    UiSession session;
    session.Start();
    QCOMPARE(BuildInputFileFilter(),
             std::string("All Supported Files|*.pcd;*.pcd1;*.pcds;*.ppcd|Kodak PhotoCD File|*.ppcd;*.pcds;*.pcd1;*.pcd|"
                         "All Files (*.*)|*.*"));
    QString offered, title;
    const std::string chosen = session.sandbox.Path("work/archive.PCD");
    WriteFile(chosen, "x");
    SetChooserSeam({[&](const QString& t, const QString& filter) {
                      title = t;
                      offered = filter;
                      return QString::fromStdString(chosen);
                    },
                    {}});
    RaiseCommand(kCommandSelectInputFile);
    QCOMPARE(title, QString("Select Input Files"));
    QCOMPARE(offered, QString("All Supported Files (*.pcd *.pcd1 *.pcds *.ppcd);;"
                              "Kodak PhotoCD File (*.ppcd *.pcds *.pcd1 *.pcd);;All Files (*)"));
    QCOMPARE(TheMainWindow()->InputFileField->text().toStdString(), chosen);
    QCOMPARE(g_job.OutputFolder, session.sandbox.Path("work/"));
  }

  void theOutputChooserKeepsTheHistoryUnique() {
    UiSession session;
    session.Start();
    CreateFolder(session.sandbox.Path("out"));
    QString startFolder;
    QString answer = QString::fromStdString(session.sandbox.Path("out"));
    SetChooserSeam({{}, [&](const QString&, const QString& start) {
                      startFolder = start;
                      return answer;
                    }});
    g_job.OutputFolder = "/somewhere/";
    TheMainWindow()->OutputFolderCombo->setCurrentIndex(-1);
    RaiseCommand(kCommandSelectOutputFolder);
    QCOMPARE(startFolder, QString("/somewhere/"));  // the combo was empty
    QComboBox* combo = TheMainWindow()->OutputFolderCombo;
    QCOMPARE(combo->currentText().toStdString(), session.sandbox.Path("out/"));
    RaiseCommand(kCommandSelectOutputFolder);
    QCOMPARE(startFolder.toStdString(), session.sandbox.Path("out/"));
    QCOMPARE(combo->count(), 1);
    answer = QString::fromStdString(session.sandbox.Path("missing"));
    RaiseCommand(kCommandSelectOutputFolder);
    QCOMPARE(combo->count(), 1);
    QCOMPARE(g_job.OutputFolder, session.sandbox.Path("out/"));
  }

  void newStartsAFreshJob() {
    UiSession session;
    session.Start();
    MainWindow* window = TheMainWindow();
    window->InputFileField->setText("x.pcd");
    g_job.Counter = 7;
    g_job.PreferencesStartPage = 3;
    QVERIFY(Activate(window));
    QTest::keyClick(window, Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(window->InputFileField->text(), QString());
    QCOMPARE(g_job.Counter, 1);
    QCOMPARE(int(g_job.PreferencesStartPage), 0);
    QCOMPARE(window->StatusField->text(), QString("Ready"));
  }

  void exitEndsTheLoopAndTheSettingsAreSaved() {
    UiSession session;
    session.Start();
    QuitFlag = false;
    TheMainWindow()->move(120, 130);
    QVERIFY(Activate(TheMainWindow()));
    QTest::keyClick(TheMainWindow(), Qt::Key_X, Qt::AltModifier);
    QVERIFY(QuitFlag);
    session.End();
    IniFile config;
    QVERIFY(config.Load(session.ConfigPath()));
    QCOMPARE(config.Value("Window", "Width"), std::optional<std::string>("510"));
    QCOMPARE(config.Value("Window", "X"), std::optional<std::string>("120"));
    QCOMPARE(config.Value("Window", "Y"), std::optional<std::string>("130"));
  }

  void shutdownRecordsTheWindowState() {
    {
      UiSession session;
      g_settings = Settings{};
      session.Start();
      g_settings.Advanced.OutFoldersHistory = 0;
      g_settings.File.RecentOutFolders = "/a/\t/b/";
      TheMainWindow()->setWindowState(Qt::WindowMaximized);
      const int storedWidth = g_settings.Window.Width;
      session.End();
      QCOMPARE(int(g_settings.Window.IsMaximized), 1);
      QCOMPARE(g_settings.Window.Width, storedWidth);
      IniFile config;
      QVERIFY(config.Load(session.ConfigPath()));
      QCOMPARE(config.Value("File", "Recent Out Folders"), std::optional<std::string>(""));
    }
    {
      UiSession session;
      session.Start();
      g_settings.Window.X = 33;
      TheMainWindow()->move(300, 300);
      TheMainWindow()->setWindowState(Qt::WindowMinimized);
      session.End();
      QCOMPARE(g_settings.Window.X, 33);
    }
  }

  void aThemeChangeRenewsEveryPictureAndASizeChangeOnlyTheToolbar() {
    UiSession session;
    // No packages at start: the built-in pictures.
    SetThemeFolder(session.sandbox.Path("nothemes/"));
    session.Start();
    MainWindow* window = TheMainWindow();
    const QImage builtInConvert = window->ConvertButton->icon().pixmap(64, 64).toImage();
    const QImage builtInNew = MenuAction(window, "New\tCtrl+N")->icon().pixmap(16, 16).toImage();
    SetThemeFolder(std::string(VELMORA_BUILD_GFX) + "/");
    g_settings.Interface.UiTheme = "handdrawn";
    g_settings.Interface.UiSize = 4;
    g_job.RebuildKind = 2;
    RebuildMainWindow();
    QCOMPARE(g_job.RebuildKind, 0);
    QCOMPARE(window->MainToolbar->iconSize(), QSize(64, 64));
    QCOMPARE(window->ConvertButton->icon().pixmap(64, 64).toImage(), builtInConvert);
    QCOMPARE(MenuAction(window, "New\tCtrl+N")->icon().pixmap(16, 16).toImage(), builtInNew);
    g_job.RebuildKind = 1;
    RebuildMainWindow();
    QVERIFY(window->ConvertButton->icon().pixmap(64, 64).toImage() != builtInConvert);
    QVERIFY(MenuAction(window, "New\tCtrl+N")->icon().pixmap(16, 16).toImage() != builtInNew);
    QVERIFY(window->OutputFormatCombo->itemIcon(0).pixmap(16, 16).toImage() != builtInNew);
  }

  void outputFormatOptionsOpensPreferencesOnTheOutputPage() {
    UiSession session;
    session.Start();
    const auto shownPage = [] { return ThePreferencesWindow()->PageTitle->text(); };
    TheMainWindow()->FieldButtons[2]->actions().front()->trigger();  // command 8
    QVERIFY(ThePreferencesWindow());
    QCOMPARE(shownPage(), QString("Output"));
    QVERIFY(!TheMainWindow()->isEnabled());
    ClosePreferencesWindow();
    QVERIFY(TheMainWindow()->isEnabled());
    RaiseCommand(kCommandPreferences);
    QCOMPARE(shownPage(), QString("General"));
    ClosePreferencesWindow();
  }

  void theFormatComboStoresTheFormat() {
    UiSession session;
    session.Start();
    g_settings.Output.Format = "";
    QComboBox* combo = TheMainWindow()->OutputFormatCombo;
    Q_EMIT combo->activated(0);
    QCOMPARE(g_settings.Output.Format, std::string("jpg"));
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_qtest.moc"
