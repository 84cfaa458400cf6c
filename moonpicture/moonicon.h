#pragma once

#include <QImage>

// An icon: the colour pixels with the transparency mask as alpha (ARGB32, alpha 255 where the
// mask is black, 0 where it is white).
using TIcon = QImage;
