#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/errors.h"
#include "astro/moon_position.h"
#include "astro/riseset.h"
#include "astro/seasons.h"
#include "astro/sidereal.h"
#include "astro/sun.h"
#include "astro/transforms.h"

namespace astro {
namespace {

constexpr double Second = 1.0 / 86400.0;
constexpr double Minute = 1.0 / 1440.0;

TDateTime At(int year, int month, int day, int hour, int minute, int second = 0)
{
    return CalendarToDateTime(year, month, day) + ((hour * 60 + minute) * 60 + second) * Second;
}

TEST(RiseSetInterpolate3, ReproducesAParabola)
{
    // y = (x + 2)^2 sampled at x = -1, 0, 1.
    for (double n : {-1.0, -0.5, 0.0, 0.3, 1.0})
        EXPECT_NEAR(Interpolate3(1, 4, 9, n), (n + 2) * (n + 2), 1e-12) << n;
}

TEST(RiseSetInterpolate3, RightAscensionsAcrossZeroStayNearZero)
{
    EXPECT_NEAR(Normalize360(Interpolate3(358, 359.5, 1, 0.5)), 0.25, 0.01);
    EXPECT_NEAR(Normalize360(Interpolate3(359, 1, 3, -0.5)), 0.0, 0.01);
    EXPECT_NEAR(Normalize360(Interpolate3(1, 359, 357, 0.5)), 358.0, 0.01);
}

struct TSunCase {
    const char* Name;
    TDateTime (*Event)(TDateTime, double, double);
    TDateTime Date;
    double Latitude;
    double Longitude;
    TDateTime Expected;
    double Tolerance;
};

class RiseSetSunAlmanac : public testing::TestWithParam<TSunCase> {};

TEST_P(RiseSetSunAlmanac, MatchesTheAlmanac)
{
    const TSunCase& c = GetParam();
    EXPECT_NEAR(c.Event(c.Date, c.Latitude, c.Longitude), c.Expected, c.Tolerance);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, RiseSetSunAlmanac,
    testing::Values(
        TSunCase{"LondonRise", SunRiseTime, At(2024, 6, 21, 0, 0), 51.5, 0,
                 At(2024, 6, 21, 3, 42, 40), 5 * Second},
        TSunCase{"LondonTransit", SunTransitTime, At(2024, 6, 21, 0, 0), 51.5, 0,
                 At(2024, 6, 21, 12, 1, 55), 5 * Second},
        TSunCase{"LondonSet", SunSetTime, At(2024, 6, 21, 0, 0), 51.5, 0,
                 At(2024, 6, 21, 20, 21, 5), 5 * Second},
        TSunCase{"EquatorRise", SunRiseTime, At(2024, 3, 20, 0, 0), 0, 0,
                 At(2024, 3, 20, 6, 4), Minute},
        TSunCase{"EquatorTransit", SunTransitTime, At(2024, 3, 20, 0, 0), 0, 0,
                 At(2024, 3, 20, 12, 7), Minute},
        TSunCase{"EquatorSet", SunSetTime, At(2024, 3, 20, 0, 0), 0, 0,
                 At(2024, 3, 20, 18, 10), Minute}),
    [](const testing::TestParamInfo<TSunCase>& info) { return info.param.Name; });

TEST(RiseSetSun, AtTheEquatorDayAndNightAreAlmostEqual)
{
    for (TDateTime day = At(2024, 1, 1, 0, 0); day < At(2025, 1, 1, 0, 0); day += 7) {
        const double length = SunSetTime(day, 0, 0) - SunRiseTime(day, 0, 0);
        // Twelve hours plus the time the sun takes to pass 2 * 0.8333 degrees.
        EXPECT_GT(length, 0.5) << day;
        EXPECT_LT(length, 0.5 + 10 * Minute) << day;
    }
}

TEST(RiseSetSun, TransitFollowsTheLongitudeWithinTheEquationOfTime)
{
    for (TDateTime day = At(2024, 1, 1, 0, 0); day < At(2025, 1, 1, 0, 0); day += 5) {
        EXPECT_NEAR(SunTransitTime(day, 45, 0) - day, 0.5, 16.5 * Minute) << day;
        EXPECT_NEAR(SunTransitTime(day, 45, 90) - day, 0.75, 16.5 * Minute) << day;
        EXPECT_NEAR(SunTransitTime(day, 45, -90) - day, 0.25, 16.5 * Minute) << day;
    }
}

// At the instant found the sun's centre must stand at its standard altitude (one correction
// step leaves an error of seconds).
TEST(RiseSetSun, RiseAndSetAreAtTheStandardAltitude)
{
    for (double latitude : {-60.0, -33.9, 0.0, 35.0, 51.5, 65.0}) {
        for (TDateTime day = At(2024, 1, 3, 0, 0); day < At(2025, 1, 1, 0, 0); day += 29) {
            for (auto event : {SunRiseTime, SunSetTime}) {
                const TDateTime t = event(day, latitude, -13.4);
                EXPECT_NEAR(SunHorizontal(t, -13.4, latitude).Elevation, SunRiseSetAltitude, 0.02)
                    << "latitude " << latitude << " day " << day;
            }
        }
    }
}

TEST(RiseSetSun, PolarDayAndNightRaise)
{
    const struct {
        TDateTime Day;
        double Latitude;
    } cases[] = {
        {At(2024, 6, 21, 0, 0), 80},    // midnight sun
        {At(2024, 6, 5, 0, 0), 80},
        {At(2024, 12, 21, 0, 0), 80},   // polar night
        {At(2024, 6, 21, 0, 0), -75},
        {At(2024, 3, 1, 0, 0), 90},     // the pole itself
        {At(2024, 3, 1, 0, 0), -90},
        {At(2024, 3, 1, 0, 0), std::numeric_limits<double>::quiet_NaN()},
    };
    for (const auto& c : cases) {
        for (auto event : {SunRiseTime, SunSetTime, SunTransitTime}) {
            try {
                event(c.Day, c.Latitude, 0);
                ADD_FAILURE() << "no failure at latitude " << c.Latitude << " day " << c.Day;
            } catch (const E_NoRiseSet& e) {
                EXPECT_STREQ(e.what(), "No rises or sets calculable");
            }
        }
    }
}

double MoonElevation(TDateTime t, double latitude, double longitude)
{
    TSkyPosition moon = MoonPosition(t);
    EquatorialToHorizontal(moon, t, longitude, latitude);
    return moon.Elevation;
}

double MoonStandardAltitude(TDateTime day, double latitude, double longitude)
{
    TSkyPosition moon = MoonPosition(day);
    TopocentricCorrection(moon, day, latitude, longitude, 0.0);
    return MoonParallaxFactor * moon.Parallax - MoonRefraction;
}

// Instant near guess at which the moon's centre crosses altitude h0, by the secant method.
TDateTime MoonCrossing(TDateTime guess, double h0, double latitude, double longitude)
{
    TDateTime a = guess - 5 * Minute;
    TDateTime b = guess + 5 * Minute;
    double fa = MoonElevation(a, latitude, longitude) - h0;
    double fb = MoonElevation(b, latitude, longitude) - h0;
    for (int i = 0; i < 20 && std::fabs(b - a) > 0.01 * Second; ++i) {
        const TDateTime c = b - fb * (b - a) / (fb - fa);
        a = b;
        fa = fb;
        b = c;
        fb = MoonElevation(b, latitude, longitude) - h0;
    }
    return b;
}

// The moon moves fast, so one correction step leaves an error of a few minutes.
TEST(RiseSetMoon, RiseAndSetAreAtTheStandardAltitude)
{
    double worst = 0.0;
    for (double latitude : {-33.9, 0.0, 51.5}) {
        for (TDateTime day = At(2024, 1, 1, 0, 0); day < At(2024, 3, 1, 0, 0); day += 1) {
            const double h0 = MoonStandardAltitude(day, latitude, 7.5);
            for (auto event : {MoonRiseTime, MoonSetTime}) {
                const TDateTime t = event(day, latitude, 7.5);
                const double error = std::fabs(t - MoonCrossing(t, h0, latitude, 7.5));
                EXPECT_LT(error, 6 * Minute) << "latitude " << latitude << " day " << day;
                worst = std::max(worst, error);
            }
        }
    }
    std::printf("moon rise and set: worst error %.1f min\n", worst / Minute);
}

TEST(RiseSetMoon, TransitIsOnTheMeridian)
{
    for (TDateTime day = At(2024, 1, 1, 0, 0); day < At(2024, 3, 1, 0, 0); day += 1) {
        const TDateTime t = MoonTransitTime(day, 51.5, -20);
        const double hourAngle =
            AngleDifference(SiderealTime(t) + 20, MoonPosition(t).RightAscension);
        // The single correction step ignores the moon's own motion during the step, which
        // leaves up to 0.5 degrees of hour angle, two minutes of time.
        EXPECT_NEAR(hourAngle, 0.0, 0.5) << day;
    }
}

// About once a month the moon does not rise on a day; the result then falls on the day before
// or after, for the caller to reject, but never further away.
TEST(RiseSetMoon, SkippedRiseFallsOnANeighbouringDay)
{
    int offDay = 0;
    for (TDateTime day = At(2024, 1, 1, 0, 0); day < At(2024, 3, 1, 0, 0); day += 1) {
        const TDateTime rise = MoonRiseTime(day, 51.5, 0);
        EXPECT_GT(rise, day - 1) << day;
        EXPECT_LT(rise, day + 2) << day;
        if (std::floor(rise) != day)
            ++offDay;
    }
    EXPECT_GE(offDay, 2);
    EXPECT_LE(offDay, 4);
}

TEST(RiseSetMoon, CircumpolarMoonRaises)
{
    // In late 2024 the moon reaches declinations near +-28 degrees (major lunar standstill):
    // at 80 N it stays up for days, and down for days, and has no rise, set or transit then.
    int failures = 0;
    for (TDateTime day = At(2024, 12, 1, 0, 0); day < At(2024, 12, 29, 0, 0); day += 1) {
        try {
            MoonTransitTime(day, 80, 0);
        } catch (const E_NoRiseSet& e) {
            EXPECT_STREQ(e.what(), "No rises or sets calculable");
            ++failures;
        }
    }
    EXPECT_GT(failures, 10);
}

}  // namespace
}  // namespace astro
