#pragma once
// The About window: banner, title and version, the maker's notice, the web
// site and support mail links, and OK.
#include <QLabel>
#include <QPushButton>
#include <QWidget>

// The numbers that AboutEvent acts on.
enum AboutControl : int {
  kAboutWebLink = 376,
  kAboutMailLink = 377,
  kAboutOkButton = 381,  // also Return and Escape
};

class AboutWindow : public QWidget {
  Q_OBJECT

 public:
  AboutWindow();

  QLabel* Banner = nullptr;
  QLabel* TitleLine = nullptr;
  QLabel* NoticeLine = nullptr;
  QLabel* WebLink = nullptr;
  QLabel* MailLink = nullptr;
  QPushButton* OkButton = nullptr;

 protected:
  void closeEvent(QCloseEvent* event) override;
};

// Opens the window modal over the main window (command 24).
void OpenAbout();
// The open window, or nullptr.
AboutWindow* TheAboutWindow();
// Acts on a control of the open window, or a shortcut raising its number.
void AboutEvent(int control);
