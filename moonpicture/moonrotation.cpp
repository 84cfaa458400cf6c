#include "moonpicture/moonrotation.h"

#include <QImage>
#include <QPoint>

namespace {

// Row y of the turned picture reads the source pixels first, first + step, first + 2 step, ...
// (W and H: the picture's last column and row).
struct TSourceRow {
    QPoint first;
    QPoint step;
};

TSourceRow SourceRow(TRotate rotation, int y, int w, int h)
{
    switch (rotation) {
    case rot_90: return {{h - y, 0}, {0, 1}};
    case rot_180: return {{w, h - y}, {-1, 0}};
    case rot_270: return {{y, w}, {0, -1}};
    case rot_none: break;
    }
    return {{0, y}, {1, 0}};
}

}  // namespace

void RotateMoon(QImage& picture, TRotate rotation)
{
    if (rotation == rot_none || picture.isNull())
        return;
    if (picture.depth() != 32)
        picture.convertTo(picture.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    const QImage source = picture.copy();
    const uchar* const sourceBits = source.constBits();
    const qsizetype sourceStride = source.bytesPerLine();
    const int w = source.width() - 1;
    const int h = source.height() - 1;
    for (int y = 0; y <= h; ++y) {
        const TSourceRow row = SourceRow(rotation, y, w, h);
        auto* const turned = reinterpret_cast<QRgb*>(picture.scanLine(y));
        QPoint from = row.first;
        for (int x = 0; x <= w; ++x, from += row.step)
            if (from.x() >= 0 && from.x() <= w && from.y() >= 0 && from.y() <= h)
                turned[x] = reinterpret_cast<const QRgb*>(sourceBits + from.y() * sourceStride)[from.x()];
    }
}
