#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/constants.h"
#include "astro/moon_position.h"
#include "astro/sidereal.h"

namespace astro {
namespace {

// Meeus, Astronomical Algorithms, 2nd ed., example 47.a: the moon at 1992-04-12 0h TD.
TEST(MoonPositionTest, MeeusExample47a)
{
    const TSkyPosition pos = MoonPosition(CalendarToDateTime(1992, 4, 12));
    constexpr double degreeTolerance = 0.00002;
    EXPECT_NEAR(pos.Longitude, 133.167265, degreeTolerance);
    EXPECT_NEAR(pos.Latitude, -3.229126, degreeTolerance);
    EXPECT_NEAR(pos.Distance, 368409.7, 0.1);
    EXPECT_NEAR(pos.RightAscension, 134.688470, degreeTolerance);
    EXPECT_NEAR(pos.Declination, 13.768368, degreeTolerance);
    EXPECT_EQ(pos.Parallax, 0.0);
}

TEST(MoonPositionTest, ParallaxOfMeeusExample47a)
{
    const TDateTime t = CalendarToDateTime(1992, 4, 12);
    TSkyPosition pos = MoonPosition(t);
    TopocentricCorrection(pos, t, 0.0, 0.0, 0.0);
    EXPECT_NEAR(pos.Parallax, 0.991973, 0.000002);
}

// Perigees published by the US Naval Observatory and widely reported: geocentric distance
// centre to centre. The truncated series is good to a few km in distance.
struct TPerigee {
    int year, month, day, hour, minute;
    double distanceKm;
};

constexpr TPerigee Perigees[] = {
    {2016, 11, 14, 11, 23, 356509.0},
    {2011, 3, 19, 19, 10, 356577.0},
};

TEST(MoonPositionTest, PublishedPerigeeDistances)
{
    double worst = 0.0;
    for (const TPerigee& p : Perigees) {
        const TDateTime t = CalendarToDateTime(p.year, p.month, p.day) + p.hour / 24.0 + p.minute / MinutesPerDay;
        const double error = MoonPosition(t).Distance - p.distanceKm;
        worst = std::max(worst, std::abs(error));
        EXPECT_NEAR(error, 0.0, 15.0) << p.year << "-" << p.month << "-" << p.day;
    }
    std::printf("worst perigee distance error: %.1f km\n", worst);
}

// Over the whole calendar the moon stays within its known bounds of distance, latitude and
// parallax, and the longitude is reduced.
TEST(MoonPositionTest, StaysWithinPhysicalBoundsOverTenMillennia)
{
    const TDateTime first = CalendarToDateTime(1, 1, 1);
    const TDateTime last = CalendarToDateTime(9999, 12, 31);
    constexpr int samples = 3000;
    double minDistance = 1e9, maxDistance = 0.0, maxLatitude = 0.0;
    for (int i = 0; i <= samples; ++i) {
        const TDateTime t = first + (last - first) * i / samples + 0.37 * i;
        TSkyPosition pos = MoonPosition(t);
        ASSERT_GE(pos.Longitude, 0.0);
        ASSERT_LT(pos.Longitude, 360.0);
        minDistance = std::min(minDistance, pos.Distance);
        maxDistance = std::max(maxDistance, pos.Distance);
        maxLatitude = std::max(maxLatitude, std::abs(pos.Latitude));
        TopocentricCorrection(pos, t, 48.0, -11.0, 500.0);
        ASSERT_GT(pos.Parallax, 0.895) << t;
        ASSERT_LT(pos.Parallax, 1.03) << t;
    }
    std::printf("distance %.0f..%.0f km, |latitude| <= %.3f deg\n", minDistance, maxDistance, maxLatitude);
    EXPECT_GT(minDistance, 356000.0);
    EXPECT_LT(maxDistance, 407000.0);
    EXPECT_LT(maxLatitude, 5.35);
}

// The same correction computed as a difference of vectors: the moon at its distance in
// equatorial earth radii minus the observer's place on the reference ellipsoid. The program
// derives the observer's reduced latitude with (b/a)^2 instead of b/a, which puts the observer
// up to 0.1 degree of latitude off the ellipsoid and shifts the moon by up to 0.002 degree
// (7 arc seconds, below the accuracy of the lunar series); a sign or axis fault shifts it by
// up to the whole parallax, about 1 degree.
struct TObserver {
    double latitude, longitude, height;
};

constexpr TObserver Observers[] = {
    {0.0, 0.0, 0.0},          // equator, Greenwich meridian, sea level
    {52.52, -13.40, 34.0},    // east of Greenwich: negative longitude
    {-33.87, -151.21, 58.0},  // southern hemisphere
    {40.71, 74.01, 10.0},     // west of Greenwich
    {78.22, -15.65, 2500.0},  // far north and high up
    {-89.0, 120.0, 2800.0},   // near the pole
};

TEST(MoonPositionTest, TopocentricCorrectionAgreesWithVectorDifference)
{
    constexpr double flattening = 1.0 / 298.257;
    double worst = 0.0;
    for (const TObserver& o : Observers) {
        for (double t = 44000.3; t < 44060.0; t += 2.7) {
            const TSkyPosition geocentric = MoonPosition(t);
            TSkyPosition topocentric = geocentric;
            TopocentricCorrection(topocentric, t, o.latitude, o.longitude, o.height);

            const double phi = DegreesToRadians(o.latitude);
            const double u = std::atan((1.0 - flattening) * std::tan(phi));
            const double heightRatio = o.height / EarthEquatorialRadiusM;
            const double rhoSin = (1.0 - flattening) * std::sin(u) + heightRatio * std::sin(phi);
            const double rhoCos = std::cos(u) + heightRatio * std::cos(phi);
            const double theta = DegreesToRadians(SiderealTime(t) - o.longitude);
            const double r = 1.0 / std::sin(DegreesToRadians(topocentric.Parallax));
            const double alpha = DegreesToRadians(geocentric.RightAscension);
            const double delta = DegreesToRadians(geocentric.Declination);
            const double x = r * std::cos(delta) * std::cos(alpha) - rhoCos * std::cos(theta);
            const double y = r * std::cos(delta) * std::sin(alpha) - rhoCos * std::sin(theta);
            const double z = r * std::sin(delta) - rhoSin;
            const double wantAlpha = RadiansToDegrees(std::atan2(y, x));
            const double wantDelta = RadiansToDegrees(std::atan2(z, std::hypot(x, y)));

            const double alphaError = std::remainder(topocentric.RightAscension - wantAlpha, 360.0);
            const double deltaError = topocentric.Declination - wantDelta;
            worst = std::max({worst, std::abs(alphaError), std::abs(deltaError)});
            EXPECT_NEAR(alphaError, 0.0, 0.002) << o.latitude << " " << o.longitude << " " << t;
            EXPECT_NEAR(deltaError, 0.0, 0.002) << o.latitude << " " << o.longitude << " " << t;
        }
    }
    std::printf("worst topocentric difference: %.2e deg\n", worst);
}

}  // namespace
}  // namespace astro
