#include "moonpicture/moon.h"

#include <algorithm>

#include "astro/angles.h"
#include "astro/phases.h"
#include "controls/clock.h"
#include "moonpicture/moonbitmaps.h"
#include "moonpicture/moongeometry.h"
#include "moonpicture/moonrotation.h"
#include "moonpicture/moonshadow.h"

namespace {

TMoonBitmap PictureBitmap(TMoonStyle style) { return style == msColor ? mbColor : mbClassic; }

TMoonSize IconPictureSize(QSize systemIconSize)
{
    if (systemIconSize == QSize(16, 16))
        return ms16;
    if (systemIconSize == QSize(64, 64))
        return ms64;
    return ms32;
}

// A canvas of the icon size filled with background, the bitmap copied into its top-left
// corner (row by row, so that no painter and no application object is needed).
QImage IconLayer(QSize size, QRgb background, const QImage& bitmap)
{
    QImage layer(size, QImage::Format_RGB32);
    layer.fill(background);
    const QImage source = bitmap.convertToFormat(QImage::Format_RGB32);
    const int width = std::min(size.width(), source.width());
    const int height = std::min(size.height(), source.height());
    for (int y = 0; y < height; ++y)
        std::copy_n(reinterpret_cast<const QRgb*>(source.constScanLine(y)), width,
                    reinterpret_cast<QRgb*>(layer.scanLine(y)));
    return layer;
}

// Both layers are IconLayer's RGB32 canvases of one size.
TIcon CombineWithMask(const QImage& color, const QImage& mask)
{
    TIcon icon(color.size(), QImage::Format_ARGB32);
    for (int y = 0; y < icon.height(); ++y) {
        const auto* const colors = reinterpret_cast<const QRgb*>(color.constScanLine(y));
        const auto* const masks = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
        auto* const pixels = reinterpret_cast<QRgb*>(icon.scanLine(y));
        for (int x = 0; x < icon.width(); ++x)
            pixels[x] = qGray(masks[x]) < 128 ? (colors[x] | 0xff000000u) : 0u;
    }
    return icon;
}

}  // namespace

TMoon::TMoon(const TClock& clock)
{
    setDate(clock.localNow());
    FDateStored = false;
    setMoonSize(ms64);
}

void TMoon::setMoonSize(TMoonSize size)
{
    FMoonSize = size;
    FHeight = MoonGeometry[size].height;
    FWidth = MoonGeometry[size].width;
    redraw();
}

void TMoon::setDate(astro::TDateTime date) { setDate(date, astro::MoonPhaseAngle(date)); }

void TMoon::setDate(astro::TDateTime date, double phaseAngle)
{
    FDate = date;
    FPhaseAngle = astro::Normalize360(phaseAngle);
    redraw();
    FDateStored = true;
}

void TMoon::setRotation(TRotate rotation)
{
    if (rotation == FRotation)
        return;
    FRotation = rotation;
    redraw();
}

void TMoon::setMoonStyle(TMoonStyle style)
{
    if (style == FMoonStyle)
        return;
    FMoonStyle = style;
    redraw();
}

bool TMoon::landingVisible() const { return FShowApollo11 && FDate > LandingInstant; }

void TMoon::redraw()
{
    FBitmap = LoadMoonBitmap(PictureBitmap(FMoonStyle), FMoonSize);
    QImage picture = FBitmap;
    DrawMoonShadow(picture, MoonGeometry[FMoonSize], FPhaseAngle, landingVisible());
    RotateMoon(picture, FRotation);
    setPicture(picture);
}

const TIcon& TMoon::icon()
{
    const TMoonSize size = IconPictureSize(FSystemIconSize);

    FBitmap = LoadMoonBitmap(mbMask, size);
    QImage mask = IconLayer(FSystemIconSize, qRgb(255, 255, 255), FBitmap);

    FBitmap = LoadMoonBitmap(PictureBitmap(FMoonStyle), size);
    QImage color = IconLayer(FSystemIconSize, qRgb(0, 0, 0), FBitmap);
    DrawMoonShadow(color, MoonGeometry[size], FPhaseAngle, landingVisible());
    RotateMoon(color, FRotation);
    RotateMoon(mask, FRotation);

    FIcon = CombineWithMask(color, mask);
    return FIcon;
}
