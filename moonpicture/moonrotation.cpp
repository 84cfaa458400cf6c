#include "moonpicture/moonrotation.h"

#include <QImage>
#include <QPoint>

namespace {

QPoint Destination(TRotate rotation, int x, int y, int w, int h)
{
    switch (rotation) {
    case rot_90: return {y, h - x};
    case rot_180: return {w - x, h - y};
    case rot_270: return {w - y, x};
    case rot_none: break;
    }
    return {x, y};
}

}  // namespace

void RotateMoon(QImage& picture, TRotate rotation)
{
    if (rotation == rot_none || picture.isNull())
        return;
    const QImage source = picture.copy();
    const int w = source.width() - 1;
    const int h = source.height() - 1;
    for (int y = 0; y <= h; ++y)
        for (int x = 0; x <= w; ++x) {
            const QPoint to = Destination(rotation, x, y, w, h);
            if (picture.valid(to))
                picture.setPixel(to, source.pixel(x, y));
        }
}
