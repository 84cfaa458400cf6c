#include "astro/transforms.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/calendar.h"
#include "astro/nutation.h"
#include "astro/sidereal.h"

namespace astro {
namespace {

constexpr TDateTime Date1987 = 31877.0;  // 1987-04-10 0h

TEST(EclipticToEquatorial, RightAscensionBelowZeroForLongitudeJustUnder360)
{
    TSkyPosition pos;
    pos.Longitude = 350.0;
    EclipticToEquatorial(pos, Date1987);
    EXPECT_NEAR(pos.RightAscension, -9.2, 0.1);
    EXPECT_LT(pos.RightAscension, 0.0);
}

TEST(EclipticToEquatorial, SolsticePointHasTheObliquityAsDeclination)
{
    const TNutation nutation = Nutation(Date1987);
    TSkyPosition pos;
    pos.Longitude = 90.0 - nutation.DeltaPsi;
    EclipticToEquatorial(pos, Date1987);
    EXPECT_NEAR(pos.Longitude, 90.0, 1e-12);
    EXPECT_NEAR(pos.RightAscension, 90.0, 1e-9);
    EXPECT_NEAR(pos.Declination, nutation.Epsilon, 1e-9);
}

TEST(EclipticToEquatorial, LongitudeComesBackInOneTurn)
{
    for (const double lambda : {-0.0001, 359.99999, 720.5, -400.0}) {
        TSkyPosition pos;
        pos.Longitude = lambda;
        pos.Latitude = 5.0;
        EclipticToEquatorial(pos, Date1987);
        EXPECT_GE(pos.Longitude, 0.0) << lambda;
        EXPECT_LT(pos.Longitude, 360.0) << lambda;
        EXPECT_GT(pos.RightAscension, -90.0) << lambda;
        EXPECT_LT(pos.RightAscension, 270.0) << lambda;
    }
}

// Meeus example 13.b: Venus from the US Naval Observatory, 1987-04-10 19:21:00 UT;
// azimuth 68.0337 (from the south, westward) and altitude 15.1249 degrees.
TEST(EquatorialToHorizontal, MeeusExample13b)
{
    TSkyPosition pos;
    pos.RightAscension = 347.3193375;
    pos.Declination = -(6 + 43.0 / 60 + 11.61 / 3600);
    const double L = 77 + 3.0 / 60 + 56.0 / 3600;
    const double phi = 38 + 55.0 / 60 + 17.0 / 3600;
    EquatorialToHorizontal(pos, Date1987 + (19 + 21.0 / 60) / 24, L, phi);
    EXPECT_NEAR(pos.Azimuth, 68.0337, 0.001);
    EXPECT_NEAR(pos.Elevation, 15.1249, 0.001);
}

// Azimuth is counted from the south towards the west; the hour angle is set through the
// right ascension. East of the meridian the azimuth falls below 0 or above 180.
TEST(EquatorialToHorizontal, AzimuthFromTheSouthPositiveWest)
{
    const struct {
        double hourAngle, declination, latitude, longitude, azimuth, elevation;
    } cases[] = {
        {0.0, 0.0, 45.0, 10.0, 0.0, 45.0},      // on the meridian, due south
        {90.0, 0.0, 45.0, 10.0, 90.0, 0.0},     // setting due west
        {270.0, 0.0, 45.0, -30.0, -90.0, 0.0},  // rising due east, observer east of Greenwich
        {180.0, 80.0, 45.0, 0.0, 180.0, 35.0},  // below the pole, due north
        {0.0, 60.0, 45.0, 0.0, 180.0, 75.0},    // north of the zenith on the meridian
        {-45.0, 60.0, 45.0, 0.0, 0.0, 0.0},     // north-east: azimuth above 180
    };
    const TDateTime t = Date1987;
    for (const auto& c : cases) {
        TSkyPosition pos;
        pos.RightAscension = SiderealTime(t) - c.longitude - c.hourAngle;
        pos.Declination = c.declination;
        EquatorialToHorizontal(pos, t, c.longitude, c.latitude);
        EXPECT_GE(pos.Azimuth, -90.0);
        EXPECT_LE(pos.Azimuth, 270.0);
        if (c.hourAngle == -45.0) {
            EXPECT_GT(pos.Azimuth, 180.0);
            continue;
        }
        // Due east may come out as -90 or 270, by the sign of a rounding rest.
        EXPECT_NEAR(std::remainder(pos.Azimuth - c.azimuth, 360.0), 0.0, 1e-9) << "H " << c.hourAngle;
        EXPECT_NEAR(pos.Elevation, c.elevation, 1e-9) << "H " << c.hourAngle;
    }
}

}  // namespace
}  // namespace astro
