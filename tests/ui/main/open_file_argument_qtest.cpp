// A start with one PhotoCD file as its only argument, as a file manager
// makes it, opens the window with that file in the input field; every other
// argument form opens it empty. The program runs as main() runs it, so the
// toolkit's own treatment of argv is part of what is tested.
#include <QCoreApplication>
#include <QTest>

#include <unistd.h>

#include <string>
#include <vector>

#include "app/job_state.h"
#include "app/startup.h"
#include "batch/input_set.h"
#include "platform/files.h"
#include "ui/aux/screenshot_mode.h"
#include "ui/aux/uninstall_window.h"
#include "ui/main/main_window.h"
#include "ui/main/quit.h"
#include "ui/main/windowed_app.h"
#include "ui/support/ui_session.h"

namespace {

// What the window showed once its event loop ran.
struct WindowSeen {
  bool shown = false;
  std::string inputField;
  std::string outputFolder;
};
WindowSeen g_seen;

// Every application object the program makes looks at the main window as
// soon as its event loop runs, and ends the run.
void LookAtTheWindowOnceRunning() {
  QMetaObject::invokeMethod(
      QCoreApplication::instance(),
      [] {
        if (const MainWindow* window = TheMainWindow())
          g_seen = {true, window->InputFileField->text().toStdString(),
                    window->OutputFolderCombo->currentText().toStdString()};
        QuitFlag = true;
        QCoreApplication::exit(0);
      },
      Qt::QueuedConnection);
}

// The working folder for the life of the object.
class WorkingFolder {
 public:
  explicit WorkingFolder(const std::string& folder) : previous_(CurrentFolder()) { QVERIFY(chdir(folder.c_str()) == 0); }
  ~WorkingFolder() { (void)chdir(previous_.c_str()); }
  WorkingFolder(const WorkingFolder&) = delete;
  WorkingFolder& operator=(const WorkingFolder&) = delete;

 private:
  std::string previous_;
};

// Runs the program with these arguments after its name and returns what the
// window showed.
WindowSeen StartWith(const std::vector<std::string>& arguments) {
  std::vector<std::string> strings = {"velmora"};
  strings.insert(strings.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& text : strings) argv.push_back(text.data());
  argv.push_back(nullptr);
  g_job = JobState{};
  ClearInputSet();
  g_seen = {};
  const int status =
      RunProgram(int(strings.size()), argv.data(), RunWindowedApplication, RunUninstallApplication, RunScreenshotApplication);
  if (status != 0) g_seen.shown = false;
  return g_seen;
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(LookAtTheWindowOnceRunning)

class OpenFileArgumentTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void aPhotoCdFileOpensAsIfChosen() {
    for (const char* name : {"img0001.pcd", "IMG0002.PCD1", "img0003.pcds", "img0004.ppcd"}) {
      UiSession session;
      CreateFolder(session.sandbox.Path("photos"));
      const std::string file = session.sandbox.Path("photos/") + name;
      WriteFile(file, "x");
      const WindowSeen seen = StartWith({file});
      QVERIFY2(seen.shown, name);
      QCOMPARE(seen.inputField, file);
      QCOMPARE(seen.outputFolder, session.sandbox.Path("photos/"));
      QCOMPARE(CurrentInputSet().size(), size_t(1));
      QCOMPARE(CurrentInputSet().begin()->first, file);
      QVERIFY(session.messages.empty());
    }
  }

  void aRelativeNameIsTakenFromTheWorkingFolder() {
    UiSession session;
    const std::string work = session.sandbox.Work();
    CreateFolder(work + "film");
    WriteFile(work + "film/img0005.pcd", "x");
    const WorkingFolder inside(work);
    const WindowSeen seen = StartWith({"./film/../film/img0005.pcd"});
    QVERIFY(seen.shown);
    QCOMPARE(seen.inputField, work + "film/img0005.pcd");
    QCOMPARE(seen.outputFolder, work + "film/");
  }

  // What the input field refuses, and names that are no file, are ignored
  // without a message; the window still opens.
  void aNameThatIsNoPhotoCdFileIsIgnored() {
    UiSession session;
    const std::string work = session.sandbox.Work();
    WriteFile(work + "empty.pcd", "");
    WriteFile(work + "photo.jpg", "x");
    CreateFolder(work + "folder.pcd");
    const WorkingFolder inside(work);
    for (const char* name : {"empty.pcd", "photo.jpg", "missing.pcd", "folder.pcd", ""}) {
      const WindowSeen seen = StartWith({name});
      QVERIFY2(seen.shown, name);
      QVERIFY2(seen.inputField.empty(), name);
      QVERIFY(CurrentInputSet().empty());
    }
    QVERIFY(session.messages.empty());
  }

  // Options stay options even when a file has their name, and a file among
  // other arguments is one of the arguments that select no console action,
  // also when the toolkit takes its own options ("-style fusion") away.
  void otherArgumentFormsOpenAnEmptyWindow() {
    UiSession session;
    const std::string work = session.sandbox.Work();
    for (const char* name : {"-photo.pcd", " -photo.pcd", "a.pcd", "b.pcd"}) WriteFile(work + name, "x");
    const WorkingFolder inside(work);
    const std::vector<std::vector<std::string>> forms = {
        {"-photo.pcd"},        {" -photo.pcd"},
        {"--jpg-quality=80"},  {"a.pcd", "b.pcd"},
        {"a.pcd", "--jpg-quality=80"}, {"-style", "fusion", "a.pcd"}};
    for (const auto& arguments : forms) {
      const WindowSeen seen = StartWith(arguments);
      QVERIFY2(seen.shown, arguments.front().c_str());
      QVERIFY2(seen.inputField.empty(), arguments.front().c_str());
    }
  }
};

QTEST_APPLESS_MAIN(OpenFileArgumentTest)
#include "open_file_argument_qtest.moc"
