#include "ui/main/windowed_app.h"

#include <QApplication>
#include <QScreen>

#include <cstdlib>
#include <filesystem>

#include "app/data_folder.h"
#include "app/product.h"
#include "app/settings.h"
#include "app/text_util.h"
#include "batch/input_set.h"
#include "config/config_file.h"
#include "i18n/text_table.h"
#include "platform/console.h"
#include "platform/files.h"
#include "themes/theme_packages.h"
#include "ui/main/main_window.h"
#include "ui/main/quit.h"
#include "ui/main/quit_on_signal.h"

namespace {

void PrimaryDesktopSize(int& width, int& height) {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect area = screen ? screen->geometry() : QRect();
  width = area.width();
  height = area.height();
}

// Maximised: the flag, the normal geometry kept; minimised: nothing.
void RecordWindowGeometry(const MainWindow& window) {
  if (window.isMinimized()) return;
  if (window.isMaximized()) {
    g_settings.Window.IsMaximized = 1;
    return;
  }
  g_settings.Window.IsMaximized = 0;
  g_settings.Window.Width = window.width();
  g_settings.Window.Height = window.height();
  g_settings.Window.X = window.frameGeometry().x();
  g_settings.Window.Y = window.frameGeometry().y();
}

}  // namespace

void StartWindowedSession() {
  SetDesktopSizeProvider(PrimaryDesktopSize);
  const std::string dataFolder = DataFolder(MakerFolderName(), kShortName);
  g_settings.App.ConfigPath = dataFolder + "config.ini";
  g_settings.App.WorkFolder = FolderPart(g_settings.App.ConfigPath);
  LoadConfig();
  LoadLanguage();
  LoadWindowPictures();
  CreateMainWindow();
  SetupMainWindow();
  QuitFlag = false;
}

void EndWindowedSession() {
  if (const MainWindow* window = TheMainWindow()) RecordWindowGeometry(*window);
  if (!g_settings.Advanced.OutFoldersHistory) g_settings.File.RecentOutFolders.clear();
  SaveConfig();
  DestroyMainWindow();
}

namespace {
// Qt ends the process with an abort when it finds no display; a user at a
// text terminal deserves a sentence instead.
bool DisplayAvailable() {
  for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
    if (const char* value = std::getenv(name); value && *value) return true;
  return false;
}

// A file manager opens a file with the program by naming it as the only
// argument. An option is never taken for a file, and neither is a name that
// no file answers (a typing error, a folder): the file chooser would not
// offer those either. The name is made absolute, because the output folder
// is derived from the file's.
std::string FileArgument(int argc, char** argv) {
  if (argc != 2 || Trim(argv[1]).starts_with('-')) return "";
  const std::string path = std::filesystem::path(AbsolutePath(argv[1])).lexically_normal().string();
  return IsRegularFile(path) ? path : "";
}
}  // namespace

int RunWindowedApplication(int argc, char** argv) {
  if (!DisplayAvailable()) {
    ConsoleWriteError("velmora: no display for the window; for a console conversion use -i (see velmora --help)");
    return 1;
  }
  // Read before the toolkit takes its own options out of argv.
  const std::string fileArgument = FileArgument(argc, argv);
  QApplication application(argc, argv);
  application.setQuitOnLastWindowClosed(false);
  StartWindowedSession();
  // As if chosen in the window; a file the input field refuses is ignored.
  if (!fileArgument.empty()) AddInputFile(fileArgument);
  {
    QuitOnSignal quitOnSignal;
    while (!QuitFlag) application.exec();
  }
  EndWindowedSession();
  return 0;
}
