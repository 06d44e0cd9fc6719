// The screenshot run ("-T") of the real program on the offscreen platform,
// and its size and folder rules.
#include <QImage>
#include <QTest>

#include "platform/files.h"
#include "platform/folders.h"
#include "support/sandbox.h"
#include "ui/aux/screenshot_mode.h"

namespace {

bool HasDarkPixel(const QImage& image, const QRect& area) {
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) {
      const QColor pixel = image.pixelColor(x, y);
      if (pixel.red() < 100 && pixel.green() < 100 && pixel.blue() < 100) return true;
    }
  return false;
}

}  // namespace

class ScreenshotModeTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void thumbnailHeightRule_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("thumbnailHeight");
    QTest::newRow("526 x 322") << 526 << 322 << 110;
    QTest::newRow("510 x 260") << 510 << 260 << 92;
    QTest::newRow("square") << 300 << 300 << 180;
    QTest::newRow("tall") << 100 << 400 << 720;
    QTest::newRow("no height") << 510 << 0 << 0;
  }

  void thumbnailHeightRule() {
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, thumbnailHeight);
    QCOMPARE(ThumbnailHeight(width, height), thumbnailHeight);
  }

  void anEmptyFolderMeansTheProgramsFolder() {
    QCOMPARE(ScreenshotFolder(""), ProgramFolder());
    QCOMPARE(ScreenshotFolder("/tmp/shots"), std::string("/tmp/shots/"));
    QCOMPARE(ScreenshotFolder("/tmp/shots/"), std::string("/tmp/shots/"));
  }

  void writesThePictureAndItsThumbnail() {
    Sandbox sandbox;
    sandbox.SetEnv("QT_QPA_PLATFORM", "offscreen");
    sandbox.SetEnv("TARNWICK_VENDOR_URL", "http://www.tarnwick.example");
    const std::string folder = sandbox.Path("shots");
    QVERIFY(CreateFolder(folder));
    const ProgramRun run = sandbox.Run({"-T", folder});
    QCOMPARE(run.status, 0);

    const QImage picture(QString::fromStdString(folder + "/velmora1.jpg"));
    const QImage thumbnail(QString::fromStdString(folder + "/velmora1x.jpg"));
    QVERIFY2(!picture.isNull(), run.err.c_str());
    QVERIFY(!thumbnail.isNull());
    // No window system draws a frame here: the window's own 510 x 260.
    QCOMPARE(picture.size(), QSize(510, 260));
    QCOMPARE(thumbnail.size(), QSize(180, ThumbnailHeight(510, 260)));
    // The vendor's address, black, ends 35 pixels from the right edge with
    // its top 26 pixels above the bottom.
    const int w = picture.width(), h = picture.height();
    QVERIFY(HasDarkPixel(picture, QRect(w - 35 - 40, h - 26, 40, 14)));
    QVERIFY(!HasDarkPixel(picture, QRect(w - 30, h - 26, 30, 14)));
  }

  void aFolderThatDoesNotExistGetsNothing() {
    Sandbox sandbox;
    sandbox.SetEnv("QT_QPA_PLATFORM", "offscreen");
    const std::string folder = sandbox.Path("missing/");
    const ProgramRun run = sandbox.Run({"-T", folder});
    QCOMPARE(run.status, 0);
    QVERIFY(!PathExists(folder));
    QVERIFY(!PathExists(sandbox.Work() + "velmora1.jpg"));
    QVERIFY(!PathExists(sandbox.Path("velmora1.jpg")));
  }
};

QTEST_MAIN(ScreenshotModeTest)
#include "screenshot_mode_qtest.moc"
