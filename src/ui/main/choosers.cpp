#include "ui/main/choosers.h"

#include <QFileDialog>
#include <QStringList>

#include "app/job_state.h"
#include "batch/input_set.h"
#include "i18n/text_table.h"
#include "platform/files.h"
#include "ui/main/input_filter.h"
#include "ui/main/main_window.h"
#include "ui/ui_text.h"

namespace {

ChooserSeam g_seam;

QString AskForFile(const QString& title, const QString& filter) {
  if (g_seam.openFile) return g_seam.openFile(title, filter);
  return QFileDialog::getOpenFileName(TheMainWindow(), title, QString(), filter);
}

QString AskForFolder(const QString& title, const QString& start) {
  if (g_seam.folder) return g_seam.folder(title, start);
  return QFileDialog::getExistingDirectory(TheMainWindow(), title, start);
}

}  // namespace

void SetChooserSeam(ChooserSeam seam) { g_seam = std::move(seam); }

QString QtFileFilter(const std::string& filter) {
  QStringList entries;
  for (const FileFilterEntry& entry : SplitFileFilter(filter)) {
    const QString patterns = QString::fromStdString(entry.patterns).replace(';', ' ');
    QString text = QString::fromStdString(entry.text);
    // "All Files (*.*)" names its pattern already; Qt wants it once.
    const QString named = " (" + patterns + ")";
    if (text.endsWith(named)) text.chop(named.size());
    entries << text + " (" + (patterns == "*.*" ? QString("*") : patterns) + ")";
  }
  return entries.join(";;");
}

bool ChooseInputFile() {
  const QString title = UiText("Dialog", "Select Input Files");
  const QString chosen = AskForFile(title, QtFileFilter(BuildInputFileFilter()));
  if (chosen.isEmpty()) return false;
  return AddInputFile(chosen.toStdString());
}

void ChooseOutputFolder() {
  MainWindow* window = TheMainWindow();
  std::string start = g_job.OutputFolder;
  if (window && !window->OutputFolderCombo->currentText().isEmpty())
    start = FolderPart(window->OutputFolderCombo->currentText().toStdString());
  const QString title = UiText("Dialog", "Select Output Folder");
  const QString chosen = AskForFolder(title, QString::fromStdString(start));
  if (chosen.isEmpty()) return;
  const std::string folder = WithTrailingSlash(chosen.toStdString());
  if (IsFolder(folder)) UseOutputFolder(folder);
}
