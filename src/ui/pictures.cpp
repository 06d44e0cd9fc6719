#include "ui/pictures.h"

#include <QImage>

QPixmap PixmapOf(const Picture& picture) {
  if (picture.IsEmpty()) return QPixmap();
  const QImage image(picture.rgba.data(), picture.width, picture.height, picture.width * 4,
                     QImage::Format_RGBA8888);
  return QPixmap::fromImage(image.copy());  // the copy owns its pixels
}

QIcon IconOf(const Picture& picture) {
  const QPixmap pixmap = PixmapOf(picture);
  return pixmap.isNull() ? QIcon() : QIcon(pixmap);
}
