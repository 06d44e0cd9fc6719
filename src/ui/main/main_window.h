#pragma once
// The main window: menu bar, main toolbar, the panel with the input file,
// output folder and output format rows and their field buttons, the Convert
// button, the notice label and the status bar.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QToolBar>
#include <QToolButton>

// Control numbers of the panel's controls.
enum Control : int {
  kFieldPanel = 0,
  kInputLabel = 1,
  kInputFileField = 2,
  kOutputFolderLabel = 4,
  kOutputFolderCombo = 5,
  kOutputFormatLabel = 6,
  kOutputFormatCombo = 7,
  kConvertButton = 8,
  kNoticeLabel = 11,
};

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow();

  QWidget* FieldPanel = nullptr;
  QLineEdit* InputFileField = nullptr;
  QComboBox* OutputFolderCombo = nullptr;
  QComboBox* OutputFormatCombo = nullptr;
  QToolButton* ConvertButton = nullptr;
  QLabel* NoticeLabel = nullptr;
  QToolBar* MainToolbar = nullptr;
  QToolBar* FieldButtons[3] = {};  // toolbars 1, 2 and 3
  QLabel* StatusField = nullptr;

  // Heights measured right after each bar was built.
  int MenuHeight = 0;
  int ToolbarHeight = 0;
  int StatusBarHeight = 0;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
};

// Dropped data: the first of the dropped files goes to AddInputFile; data
// that are no file list do nothing.
void AddDroppedFiles(const class QMimeData& data);

// The window, once CreateMainWindow has built it.
MainWindow* TheMainWindow();
void CreateMainWindow();
void SetupMainWindow();
void BuildMenus();
void BuildToolbar();
void BuildFieldButtons();
void LayoutMainWindow();
void ResetMainWindow();
void RebuildMainWindow();
void RefreshOutFolderList();
// Makes folder the output folder and the head of the history, and shows it.
void UseOutputFolder(const std::string& folder);
void RefreshCommandImages();
// The first field of the status bar.
void SetStatusText(const std::string& text);
// Destroys the window (end of the windowed run, tests).
void DestroyMainWindow();
