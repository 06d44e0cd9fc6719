#pragma once
// The choosers behind "Select Input File" and "Select Output Folder".
#include <QString>

#include <functional>

// Shows the open-file chooser; true when a file was admitted.
bool ChooseInputFile();
// Shows the folder chooser; an existing folder becomes the output folder
// and the head of the history.
void ChooseOutputFolder();

// The Qt form of a "|"-separated filter: "Text (*.a *.b);;...". "*.*"
// becomes "*", which on Linux also matches names without a dot.
QString QtFileFilter(const std::string& filter);

// Tests answer the choosers without showing a dialog: each function gets
// the title and the filter or start folder and returns the choice ("" for
// cancel). Empty functions restore the real dialogs.
struct ChooserSeam {
  std::function<QString(const QString& title, const QString& filter)> openFile;
  std::function<QString(const QString& title, const QString& startFolder)> folder;
};
void SetChooserSeam(ChooserSeam seam);
