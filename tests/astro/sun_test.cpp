#include "astro/sun.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/calendar.h"

namespace astro {
namespace {

constexpr TDateTime Date1992 = 33890.0;  // 1992-10-13 0h

// Meeus, Astronomical Algorithms, 2nd ed., example 25.b (complete VSOP87): apparent longitude
// 199.906016, declination -7.783871, right ascension 198.378178 degrees.
TEST(SunPosition, MeeusExample25b)
{
    const TSkyPosition sun = SunPosition(Date1992);
    EXPECT_NEAR(sun.Longitude, 199.9061, 0.0003);
    EXPECT_NEAR(sun.Declination, -7.7838, 0.0003);
    EXPECT_NEAR(sun.RightAscension, 198.378178, 0.0003);
    EXPECT_NEAR(sun.Latitude * 3600, 0.72, 0.05);
    EXPECT_NEAR(sun.Distance / AU_KM, 0.99760775, 1e-6);
}

// The book's heliocentric figures for the same instant (Theta - 180 after the FK5 step): the
// complete series of the data file differs from them by about 0.3 arcsecond.
TEST(EarthHeliocentric, MeeusExample25b)
{
    const THeliocentricPosition earth = EarthHeliocentric(Date1992);
    EXPECT_NEAR(earth.Longitude, 19.907347, 0.0001);
    EXPECT_NEAR(earth.Latitude, -0.000179, 0.00003);
    EXPECT_NEAR(earth.Radius, 0.99760775, 1e-6);
}

TEST(EarthHeliocentric, NearPerihelionAtJ2000)
{
    const THeliocentricPosition earth = EarthHeliocentric(J2000DateTime);
    EXPECT_NEAR(earth.Radius, 0.9833, 0.0001);
    EXPECT_NEAR(earth.Longitude, 100.378, 0.001);
}

// Over several years the sun keeps to the ecliptic, its distance to the earth's orbit and its
// angles to their ranges.
TEST(SunPosition, StaysInItsRanges)
{
    double largestLatitude = 0.0;
    double nearest = 1e12;
    double farthest = 0.0;
    for (TDateTime t = CalendarToDateTime(1990, 1, 1); t < CalendarToDateTime(2030, 1, 1); t += 1.37) {
        const TSkyPosition sun = SunPosition(t);
        ASSERT_GE(sun.Longitude, 0.0);
        ASSERT_LT(sun.Longitude, 360.0);
        ASSERT_GE(sun.RightAscension, -90.0);
        ASSERT_LE(sun.RightAscension, 270.0);
        ASSERT_LE(std::fabs(sun.Declination), 23.45);
        largestLatitude = std::max(largestLatitude, std::fabs(sun.Latitude) * 3600);
        nearest = std::min(nearest, sun.Distance);
        farthest = std::max(farthest, sun.Distance);
    }
    EXPECT_LT(largestLatitude, 3.0) << "arcseconds";
    EXPECT_NEAR(nearest, 147.1e6, 0.1e6);
    EXPECT_NEAR(farthest, 152.1e6, 0.1e6);
}

// The sun crosses the meridian (azimuth 0, due south) at its highest elevation, 90 - phi +
// delta; it rises in the east and sets in the west. Greenwich on the June solstice 2000.
TEST(SunHorizontal, CulminatesDueSouthAndRisesInTheEast)
{
    const double phi = 51.4769;
    const TDateTime day = CalendarToDateTime(2000, 6, 21);
    TDateTime before = day + 0.45;
    TDateTime after = day + 0.55;
    for (int i = 0; i < 60; ++i) {
        const TDateTime middle = (before + after) / 2;
        (SunHorizontal(middle, 0.0, phi).Azimuth < 0.0 ? before : after) = middle;
    }
    const double declination = SunPosition(before).Declination;
    EXPECT_NEAR(SunHorizontal(before, 0.0, phi).Elevation, 90.0 - phi + declination, 1e-6);
    EXPECT_NEAR((before - day) * 24 * 60, 12 * 60 + 1.8, 1.0) << "minutes after midnight UT";

    const double morningFromNorth = Normalize360(SunHorizontal(day + 0.25, 0.0, phi).Azimuth + 180.0);
    const double eveningFromNorth = Normalize360(SunHorizontal(day + 0.75, 0.0, phi).Azimuth + 180.0);
    EXPECT_GT(morningFromNorth, 45.0);
    EXPECT_LT(morningFromNorth, 135.0);
    EXPECT_GT(eveningFromNorth, 225.0);
    EXPECT_LT(eveningFromNorth, 315.0);

    // An observer 90 degrees east sees the same sun six hours earlier.
    const THorizontalPosition east = SunHorizontal(before - 0.25, -90.0, phi);
    EXPECT_NEAR(east.Azimuth, 0.0, 0.05);
}

}  // namespace
}  // namespace astro
