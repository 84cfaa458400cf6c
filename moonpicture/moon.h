#pragma once
// The moon's disc as it looks at an instant: the stored full moon with its unlit part painted
// black, optionally the first manned landing site in red once the landing has happened, turned
// by quarter turns. It also hands out the same picture as an icon with a transparency mask.

#include <QImage>
#include <QSize>

#include "astro/constants.h"
#include "astro/types.h"
#include "controls/image.h"
#include "moonpicture/moonicon.h"
#include "moonpicture/moontypes.h"

class TClock;

class TMoon : public TImage {
public:
    // Apollo 11's touchdown, 1969-07-20 20:17:43 (TDateTime, universal time).
    static constexpr astro::TDateTime LandingInstant = 25404.0 + (20 * 3600 + 17 * 60 + 43) / astro::SecondsPerDay;

    // Dated to the clock's local now, but that date does not count as stored.
    explicit TMoon(const TClock& clock);

    TAlign align() const { return alNone; }

    TMoonSize moonSize() const { return FMoonSize; }
    // Resizes the picture to the size's design size and redraws, even for the same size.
    void setMoonSize(TMoonSize size);
    int width() const { return FWidth; }
    int height() const { return FHeight; }

    astro::TDateTime date() const { return FDate; }
    // Takes the phase for date and redraws, even for the same date.
    void setDate(astro::TDateTime date);
    // The same with the moon's phase angle at date (astro::MoonPhaseAngle) that the caller has
    // computed already.
    void setDate(astro::TDateTime date, double phaseAngle);
    // True once setDate has been called after construction.
    bool dateStored() const { return FDateStored; }
    // Degrees in [0, 360): 0 at full moon, below 180 while waxing.
    double phaseAngle() const { return FPhaseAngle; }

    TRotate rotation() const { return FRotation; }
    void setRotation(TRotate rotation);
    // Takes effect at the next redraw.
    bool showApollo11() const { return FShowApollo11; }
    void setShowApollo11(bool show) { FShowApollo11 = show; }
    TMoonStyle moonStyle() const { return FMoonStyle; }
    void setMoonStyle(TMoonStyle style);

    // The desktop's icon size; icons are built for it. 16 and 64 use the tiny and large
    // pictures, every other size the small one in its top-left corner, the rest transparent.
    QSize systemIconSize() const { return FSystemIconSize; }
    void setSystemIconSize(QSize size) { FSystemIconSize = size; }

    // Builds a fresh icon of the current date, style and rotation. The object stays owned by
    // the picture and is rebuilt in place by the next call.
    const TIcon& icon();

private:
    // The picture is drawn only by the moon itself.
    using TImage::canvas;
    using TImage::setPicture;

    void redraw();
    bool landingVisible() const;

    QImage FBitmap;  // working bitmap: the last stored picture loaded
    TMoonSize FMoonSize = ms64;
    int FWidth = 0;
    int FHeight = 0;
    astro::TDateTime FDate = 0.0;
    double FPhaseAngle = 0.0;
    bool FDateStored = false;
    TIcon FIcon;
    TRotate FRotation = rot_none;
    bool FShowApollo11 = true;
    TMoonStyle FMoonStyle = msClassic;
    QSize FSystemIconSize{32, 32};
};
