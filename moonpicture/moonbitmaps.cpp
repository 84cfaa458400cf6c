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
    const QImage stored(QStringLiteral(":/moon/%1.bmp").arg(MoonBitmapName(bitmap, size)));
    if (stored.isNull())
        return {};
    return stored.convertToFormat(QImage::Format_RGB32);
}
