#include "ui/custom_converter/custom_converter_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPointer>
#include <QShortcut>

#include "i18n/text_table.h"
#include "online/converter_search.h"
#include "ui/aux/owned_window.h"
#include "ui/message_box.h"
#include "ui/online/open_link.h"
#include "ui/ui_text.h"

namespace {

QPointer<CustomConverterWindow> g_window;

QString Text(const char* key) { return UiText("Custom-Converter", key); }

void AddLabel(QWidget* window, const QString& text, QRect geometry) {
  auto* label = new QLabel(text, window);
  label->setGeometry(geometry);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void AddShortcut(QWidget* window, QKeySequence key, int control) {
  auto* shortcut = new QShortcut(key, window);
  QObject::connect(shortcut, &QShortcut::activated, [control] { CustomConverterEvent(control); });
}

void Search(CustomConverterWindow& window) {
  const std::string from = NormalizeExtension(window.FromExtensionField->text().toStdString());
  const std::string to = NormalizeExtension(window.ToExtensionField->text().toStdString());
  if (from.empty() || to.empty()) {
    ShowWarning(GetText("Msg", "Empty extensions"));
    return;
  }
  window.hide();
  OpenLink(ConverterSearchUrl(from, to));
  window.close();
}

}  // namespace

CustomConverterWindow::CustomConverterWindow() : QWidget(nullptr, kCaptionAndCloseBox) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(Text("Title"));
  setFixedSize(370, 60);
  // Labels read from their top edge, level with the text of the fields.
  AddLabel(this, Text("From"), QRect(10, 23, 40, 20));
  FromExtensionField = new QLineEdit(this);
  FromExtensionField->setGeometry(50, 20, 80, 20);
  AddLabel(this, Text("To"), QRect(150, 23, 30, 20));
  ToExtensionField = new QLineEdit(this);
  ToExtensionField->setGeometry(180, 20, 80, 20);
  SearchButton = new QPushButton(Text("Search"), this);
  SearchButton->setGeometry(280, 18, 80, 25);
  SearchButton->setDefault(true);
  connect(SearchButton, &QPushButton::clicked, [] { CustomConverterEvent(kSearchButton); });
  AddShortcut(this, QKeySequence(Qt::Key_Return), kSearchButton);
  AddShortcut(this, QKeySequence(Qt::Key_Enter), kSearchButton);
  AddShortcut(this, QKeySequence(Qt::Key_Escape), kCloseCustomConverter);
}

void CustomConverterWindow::closeEvent(QCloseEvent* event) {
  // Forgotten at once (it is deleted later), so the next opening is fresh.
  if (g_window == this) g_window = nullptr;
  ReturnToMainWindow();
  event->accept();
}

void OpenCustomConverter() {
  if (g_window) return;
  g_window = new CustomConverterWindow();
  ShowOverMainWindow(*g_window);
  g_window->FromExtensionField->setFocus();
}

CustomConverterWindow* TheCustomConverter() { return g_window; }

void CustomConverterEvent(int control) {
  if (!g_window) return;
  switch (control) {
    case kSearchButton: Search(*g_window); break;
    case kCloseCustomConverter: g_window->close(); break;
    default: break;
  }
}
