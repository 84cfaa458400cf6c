#include "moonpicture/moonbitmaps.h"

#include <QImage>

QString MoonBitmapName(TMoonBitmap bitmap, TMoonSize size)
{
    static const char* const kinds[] = {"MOON_", "MOON_COLOR_", "MOON_BW_"};
    static const char* const sizes[] = {"LARGE", "SMALL", "TINY"};
    return QString::fromLatin1(kinds[bitmap]) + QString::fromLatin1(sizes[size]);
}

QImage LoadMoonBitmap(TMoonBitmap bitmap, TMoonSize size)
{
    // The nine decoded bitmaps, null until first asked for (and while a resource is missing).
    static QImage decoded[3][3];
    QImage& kept = decoded[bitmap][size];
    if (kept.isNull()) {
        const QImage stored(QStringLiteral(":/moon/%1.bmp").arg(MoonBitmapName(bitmap, size)));
        if (!stored.isNull())
            kept = stored.convertToFormat(QImage::Format_RGB32);
    }
    return kept;
}
