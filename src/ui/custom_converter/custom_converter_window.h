#pragma once
// The Custom Converter window: a source and a target extension, and a
// Search that opens the vendor's converter search for the pair.
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

// The numbers that CustomConverterEvent acts on.
enum CustomConverterControl : int {
  kSearchButton = 362,          // also Return
  kCloseCustomConverter = 363,  // Escape
};

class CustomConverterWindow : public QWidget {
  Q_OBJECT

 public:
  CustomConverterWindow();

  QLineEdit* FromExtensionField = nullptr;
  QLineEdit* ToExtensionField = nullptr;
  QPushButton* SearchButton = nullptr;

 protected:
  void closeEvent(QCloseEvent* event) override;
};

// Opens the window, empty, modal over the main window (command 16).
void OpenCustomConverter();
// The open window, or nullptr.
CustomConverterWindow* TheCustomConverter();
// Acts on a control of the open window, or a shortcut raising its number.
void CustomConverterEvent(int control);
