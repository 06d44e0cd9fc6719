#include "ui/aux/screenshot_mode.h"

#include <QApplication>
#include <QEventLoop>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include <cmath>

#include "app/formats.h"
#include "app/product.h"
#include "app/settings.h"
#include "online/links.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "themes/image_sets.h"
#include "ui/aux/jpeg_file.h"
#include "ui/main/main_window.h"
#include "ui/pictures.h"

namespace {

constexpr int kWindowX = 400, kWindowY = 400, kWindowWidth = 510, kWindowHeight = 260;
constexpr int kCaptureDelay = 500;
// Level 9 of the design's 0..10 scale; each level is 10 steps of libjpeg's
// 0..100 quality.
constexpr int kQualityLevel = 9;
constexpr int kJpegQuality = kQualityLevel * 10;
constexpr const char* kSampleInputStem = "/images/Tarnwick.";
constexpr const char* kSampleOutputFolder = "/converted/";
constexpr int kAddressRightMargin = 35, kAddressBottomDistance = 26;

std::string SampleInputFile() {
  const std::vector<std::string>& extensions = InputExtensions();
  return kSampleInputStem + (extensions.empty() ? ProductFormats().input.front() : extensions.front());
}

void FillSampleContents(MainWindow& window) {
  window.InputFileField->setText(QString::fromStdString(SampleInputFile()));
  window.OutputFolderCombo->addItem(IconOf(MenuIcons.Find("FavFolder")), kSampleOutputFolder);
  window.OutputFolderCombo->setCurrentIndex(window.OutputFolderCombo->count() - 1);
  // The focus passes over the combos and stays on the Convert button, as a
  // user's Tab presses would leave it.
  window.OutputFormatCombo->setFocus();
  window.OutputFolderCombo->setFocus();
  window.ConvertButton->setFocus();
}

void HandleEventsFor(int milliseconds) {
  QEventLoop loop;
  QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
  loop.exec();
}

// The window as it is shown, frame and caption included where the window
// system draws them: under X11 from the screen; elsewhere (the offscreen
// platform, Wayland) the window's own picture, which is all there is.
QImage CaptureWholeWindow(MainWindow& window) {
  const QRect frame = window.frameGeometry();
  QScreen* screen = window.screen();
  if (QGuiApplication::platformName() == "xcb" && screen && frame != window.geometry()) {
    const QPoint origin = screen->geometry().topLeft();
    const QPixmap shot =
        screen->grabWindow(0, frame.x() - origin.x(), frame.y() - origin.y(), frame.width(), frame.height());
    if (!shot.isNull()) return shot.toImage();
  }
  return window.grab().toImage();
}

// Black smoothed text without a background, right of centre at the bottom.
void DrawVendorAddress(QImage& picture) {
  QFont font("Tahoma");
  font.setPointSize(8);
  font.setStyleStrategy(QFont::PreferAntialias);
  const QString address = QString::fromStdString(VendorSiteCaption());
  const QFontMetrics metrics(font, &picture);
  const int left = picture.width() - metrics.horizontalAdvance(address) - kAddressRightMargin;
  const int top = picture.height() - kAddressBottomDistance;
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::TextAntialiasing);
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.setBackgroundMode(Qt::TransparentMode);
  painter.drawText(left, top + metrics.ascent(), address);
}

bool SaveJpeg(const QImage& picture, const std::string& path) {
  const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
  return WriteJpegFile(path, rgb.constBits(), rgb.width(), rgb.height(), int(rgb.bytesPerLine()), kJpegQuality);
}

}  // namespace

std::string ScreenshotFolder(const std::string& folder) {
  return folder.empty() ? ProgramFolder() : WithTrailingSlash(folder);
}

int ThumbnailHeight(int width, int height) {
  if (width <= 0 || height <= 0) return 0;
  const float ratio = float(width) / float(height);
  return int(std::floor(float(kThumbnailWidth) / ratio + 0.5f));
}

bool RunScreenshotMode(const std::string& folder) {
  const std::string destination = ScreenshotFolder(folder);
  if (!IsFolder(destination)) return false;

  // The window is built at the screenshot's place and size; settings are
  // never saved in this mode.
  g_settings.Window.X = kWindowX;
  g_settings.Window.Y = kWindowY;
  g_settings.Window.Width = kWindowWidth;
  g_settings.Window.Height = kWindowHeight;
  g_settings.Window.IsMaximized = 0;
  CreateMainWindow();
  MainWindow* window = TheMainWindow();
  if (!window) return false;
  window->move(kWindowX, kWindowY);
  window->resize(kWindowWidth, kWindowHeight);
  SetupMainWindow();
  window->activateWindow();
  window->raise();
  FillSampleContents(*window);
  HandleEventsFor(kCaptureDelay);

  QImage picture = CaptureWholeWindow(*window).convertToFormat(QImage::Format_RGB32);
  if (picture.isNull()) return false;
  DrawVendorAddress(picture);
  const bool full = SaveJpeg(picture, destination + kShortName + "1.jpg");
  const QImage thumbnail = picture.scaled(kThumbnailWidth, ThumbnailHeight(picture.width(), picture.height()),
                                          Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  const bool small = SaveJpeg(thumbnail, destination + kShortName + "1x.jpg");
  return full && small;
}

int RunScreenshotApplication(int argc, char** argv, const std::string& folder) {
  QApplication application(argc, argv);
  application.setQuitOnLastWindowClosed(false);
  RunScreenshotMode(folder);
  DestroyMainWindow();
  return 0;
}
