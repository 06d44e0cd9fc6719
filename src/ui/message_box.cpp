#include "ui/message_box.h"

#include <QApplication>
#include <QMessageBox>

#include "i18n/text_table.h"

namespace {
MessageSeam g_seam;
}

void SetMessageSeam(MessageSeam seam) { g_seam = std::move(seam); }

bool ShowMessage(MessageKind kind, const std::string& title, const std::string& text) {
  if (g_seam) return g_seam(kind, title, text);
  const QString qtTitle = QString::fromStdString(title), qtText = QString::fromStdString(text);
  QWidget* parent = QApplication::activeWindow();
  switch (kind) {
    case MessageKind::Warning: QMessageBox::warning(parent, qtTitle, qtText); return true;
    case MessageKind::Error: QMessageBox::critical(parent, qtTitle, qtText); return true;
    case MessageKind::Information: QMessageBox::information(parent, qtTitle, qtText); return true;
    case MessageKind::Question:
      return QMessageBox::question(parent, qtTitle, qtText, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
  }
  return false;
}

void ShowWarning(const std::string& text) { ShowMessage(MessageKind::Warning, GetText("Msg", "Warning"), text); }
