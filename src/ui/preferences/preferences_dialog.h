#pragma once
// The open Preferences window, its controls and the steps it is made of.
#include <QWidget>

#include <string_view>
#include <vector>

#include "ui/preferences/preference_pages.h"
#include "ui/preferences/preference_rows.h"

class QLabel;
class QPushButton;
class QTreeWidget;

struct BuiltPanel {
  int page;
  const char* name;
  QWidget* widget;
};

class PreferencesWindow : public QWidget {
  Q_OBJECT

 public:
  PreferencesWindow();

  QTreeWidget* PageList = nullptr;
  QLabel* PageTitle = nullptr;
  QWidget* Pages[kPreferencesPageCount] = {};
  QPushButton* DefaultsButton = nullptr;
  QPushButton* OkButton = nullptr;
  QPushButton* CancelButton = nullptr;
  std::vector<BuiltRow> Rows;  // in page and row order
  std::vector<BuiltPanel> Panels;

 protected:
  void closeEvent(QCloseEvent* event) override;
};

// The window while it is open; nullptr otherwise.
PreferencesWindow* ThePreferencesWindow();
// The row editing a setting; nullptr when the window is closed.
const BuiltRow* FindPreferencesRow(std::string_view section, std::string_view key);
QWidget* FindPreferencesPanel(int page, std::string_view name);

void LoadPreferencesControls();
// Shows page 0..8 with its title; other numbers change nothing.
void ShowPreferencesPage(int index);
// OK: controls into the settings, config.ini, main window rebuilt, closed.
void ApplyPreferences();
// Defaults: after the user confirms, the windowed defaults, config.ini,
// main window rebuilt, closed.
void RestoreDefaultPreferences();
// Cancel, Escape and the close box; also the end of OK and Defaults.
void ClosePreferencesWindow();
