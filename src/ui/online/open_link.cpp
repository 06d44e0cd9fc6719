#include "ui/online/open_link.h"

#include <QDesktopServices>
#include <QUrl>

#include <cctype>

#include "platform/files.h"

namespace {

LinkSeam g_seam;

// "http:", "https:", "mailto:" and the like; anything else is a file name.
bool HasScheme(const std::string& target) {
  const size_t colon = target.find(':');
  if (colon == std::string::npos || colon == 0) return false;
  for (size_t i = 0; i < colon; ++i) {
    const char c = target[i];
    const bool allowed = std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.';
    if (!allowed) return false;
  }
  return true;
}

}  // namespace

void SetLinkSeam(LinkSeam seam) { g_seam = std::move(seam); }

void OpenLink(const std::string& target) {
  if (g_seam) {
    g_seam(target);
    return;
  }
  const QString text = QString::fromStdString(target);
  // A file name without a folder is resolved against the working folder.
  const QUrl url = HasScheme(target) ? QUrl(text, QUrl::TolerantMode)
                                     : QUrl::fromLocalFile(QString::fromStdString(AbsolutePath(target)));
  QDesktopServices::openUrl(url);
}
