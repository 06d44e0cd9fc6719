#pragma once
// Pictures of the image sets as Qt pixmaps and icons.
#include <QIcon>
#include <QPixmap>

#include "themes/picture.h"

QPixmap PixmapOf(const Picture& picture);
QIcon IconOf(const Picture& picture);
