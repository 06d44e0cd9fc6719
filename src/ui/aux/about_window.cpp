#include "ui/aux/about_window.h"

#include <QCloseEvent>
#include <QFrame>
#include <QPointer>
#include <QShortcut>

#include "app/product.h"
#include "online/links.h"
#include "online/vendor.h"
#include "themes/image_sets.h"
#include "ui/aux/owned_window.h"
#include "ui/online/open_link.h"
#include "ui/pictures.h"
#include "ui/ui_text.h"

namespace {

QPointer<AboutWindow> g_window;

QString Q(const std::string& text) { return QString::fromStdString(text); }

QLabel* AddLabel(QWidget* window, const QString& text, QRect geometry, Qt::Alignment alignment = Qt::AlignLeft) {
  auto* label = new QLabel(text, window);
  label->setGeometry(geometry);
  label->setAlignment(alignment | Qt::AlignVCenter);
  return label;
}

// A hyperlink drawn blue (0, 0, 255), hovered or not.
QLabel* AddLink(QWidget* window, const std::string& caption, QRect geometry, int control) {
  const QString html = QString("<a href=\"#\" style=\"color:#0000ff\">%1</a>").arg(Q(caption).toHtmlEscaped());
  QLabel* link = AddLabel(window, html, geometry);
  link->setTextFormat(Qt::RichText);
  link->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
  link->setCursor(Qt::PointingHandCursor);
  QObject::connect(link, &QLabel::linkActivated, [control] { AboutEvent(control); });
  return link;
}

}  // namespace

AboutWindow::AboutWindow() : QWidget(nullptr, kCaptionAndCloseBox) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(UiText("About", "Title"));
  setFixedSize(360, 240);
  Banner = new QLabel(this);
  Banner->setGeometry(0, 0, kBannerWidth, kBannerHeight);
  Banner->setPixmap(PixmapOf(BannerImage));
  auto* frame = new QFrame(this);
  frame->setGeometry(0, 40, 360, 150);
  frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  frame->setLineWidth(1);
  TitleLine = AddLabel(this, Q(ProductTitle()), QRect(20, 50, 320, 20), Qt::AlignHCenter);
  NoticeLine = AddLabel(this, Q(MakerNotice()), QRect(20, 70, 320, 20), Qt::AlignHCenter);
  AddLabel(this, UiText("About", "Website"), QRect(80, 100, 60, 20));
  AddLabel(this, UiText("About", "Email"), QRect(80, 120, 50, 20));
  WebLink = AddLink(this, VendorSiteCaption(), QRect(140, 100, 215, 20), kAboutWebLink);
  MailLink = AddLink(this, SupportMailAddress(), QRect(140, 120, 215, 20), kAboutMailLink);
  OkButton = new QPushButton(UiText("Dialog", "OK"), this);
  OkButton->setGeometry(140, 200, 80, 25);
  OkButton->setDefault(true);
  connect(OkButton, &QPushButton::clicked, [] { AboutEvent(kAboutOkButton); });
  for (const auto key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
    auto* shortcut = new QShortcut(QKeySequence(key), this);
    connect(shortcut, &QShortcut::activated, [] { AboutEvent(kAboutOkButton); });
  }
}

void AboutWindow::closeEvent(QCloseEvent* event) {
  // Forgotten at once (it is deleted later), so the next opening is fresh.
  if (g_window == this) g_window = nullptr;
  ReturnToMainWindow();
  event->accept();
}

void OpenAbout() {
  if (g_window) return;
  g_window = new AboutWindow();
  ShowOverMainWindow(*g_window);
  g_window->OkButton->setFocus();
}

AboutWindow* TheAboutWindow() { return g_window; }

void AboutEvent(int control) {
  if (!g_window) return;
  switch (control) {
    case kAboutOkButton: g_window->close(); break;
    case kAboutWebLink: OpenLink(VendorSiteUrl()); break;
    case kAboutMailLink: OpenLink(SupportMailLink()); break;
    default: break;
  }
}
