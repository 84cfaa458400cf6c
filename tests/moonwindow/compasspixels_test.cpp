// The compass and the pictures a timer tick leaves, pixel for pixel. Each row holds the digest
// of a series of pictures as this drawing code first drew them; a faster drawing must keep
// every byte.

#include "../image_digest.h"
#include "controls/image.h"
#include "moonwindow/compass.h"
#include "moonwindowfixture.h"

#include <optional>

namespace {

QList<double> DaysTrail()
{
    QList<double> trail;
    for (double azimuth = 60.0; azimuth < 300.0; azimuth += 1.3)
        trail.append(azimuth);
    return trail;
}

// No trail, one dot, dots all round the rim (north on either side of 360 too), a day's trail.
const QList<double> Trails[] = {{}, {10.0}, {0.0, 45.0, 90.0, 135.0, 180.0, 225.0, 270.0, 315.0, 359.6}, DaysTrail()};
const std::optional<double> Suns[] = {std::nullopt, 100.0, 0.4, 270.0};

struct CompassCase {
    int width;
    int height;
    const char* digest;
};

class CompassDigest : public testing::TestWithParam<CompassCase> {};

// Every picture is drawn on the one before, as the windows draw theirs.
TEST_P(CompassDigest, EveryTrailAndSunDrawsTheRecordedPixels)
{
    const CompassCase& c = GetParam();
    TImage compass(c.width, c.height);
    TImageDigest digest;
    DrawCompassBackground(compass);
    digest.add(compass.picture());
    for (const QList<double>& trail : Trails)
        for (const std::optional<double>& sun : Suns) {
            DrawSunPositions(compass, trail, sun);
            digest.add(compass.picture());
        }
    EXPECT_EQ(digest.hex(), c.digest);
}

// The windows' size, a small one and one wider than high.
INSTANTIATE_TEST_SUITE_P(Sizes, CompassDigest,
                         testing::Values(CompassCase{265, 265, "819a6cec5d060c8d"},
                                         CompassCase{120, 120, "615dd17ef4fb9632"},
                                         CompassCase{90, 60, "fc6a4dc189cc8919"}));

struct TickCase {
    const char* place;
    int latitudeSeconds;
    int longitudeSeconds;
    const char* digest;
};

class TickPicturesDigest : public MoonWindowTest, public testing::WithParamInterface<TickCase> {};

// Two days in fast mode near the first quarter: sun trails begun anew, the tray icon changing; south of
// the equator the calculator's moon is turned.
TEST_P(TickPicturesDigest, FastModeTicksShowTheRecordedPictures)
{
    const TickCase& c = GetParam();
    create(At(2026, 12, 16, 14), -60, OneLocation(c.place, c.latitudeSeconds, c.longitudeSeconds));
    TImageDigest digest;
    moon->onApplicationIcon = [&digest](const QImage& icon) { digest.add(icon); };
    moon->mnu_fastClick();
    for (int tick = 0; tick < 48; ++tick) {
        clock->advanceSeconds(1);
        moon->TimerTimer();
        for (const TImage* picture :
             {static_cast<const TImage*>(&calculator->sun.ImgSunPos), static_cast<const TImage*>(&moon->Image1),
              static_cast<const TImage*>(&calculator->sun.Moon), static_cast<const TImage*>(&moon->Moon)})
            digest.add(picture->picture());
    }
    EXPECT_EQ(digest.hex(), c.digest);
}

INSTANTIATE_TEST_SUITE_P(Hemispheres, TickPicturesDigest,
                         testing::Values(TickCase{"Berlin", 189072, -48240, "17cef0aa5c0d2484"},
                                         TickCase{"Sydney", -121932, -544356, "f49f68d205b4b2e2"}));

}  // namespace
