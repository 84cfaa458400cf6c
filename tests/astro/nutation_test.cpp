#include "astro/nutation.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/calendar.h"
#include "astro/constants.h"
#include "astro/sidereal.h"

namespace astro {
namespace {

constexpr double Arcsecond = 1.0 / 3600.0;

// Meeus, Astronomical Algorithms, 2nd ed., example 22.a: 1987-04-10 0h TD.
TEST(Nutation, MeeusExample22a)
{
    const TDateTime t = CalendarToDateTime(1987, 4, 10);
    const TNutation nutation = Nutation(t);
    EXPECT_NEAR(nutation.DeltaPsi / Arcsecond, -3.788, 0.01);
    EXPECT_NEAR((nutation.Epsilon - MeanObliquity(t)) / Arcsecond, 9.443, 0.01);
    EXPECT_NEAR(MeanObliquity(t), 23.0 + 26.0 / 60 + 27.407 / 3600, 0.01 * Arcsecond);
    EXPECT_NEAR(nutation.Epsilon, 23.0 + 26.0 / 60 + 36.850 / 3600, 0.01 * Arcsecond);
}

TEST(Nutation, MeanObliquityAtJ2000)
{
    EXPECT_NEAR(MeanObliquity(J2000DateTime), 23.4392911, 1e-7);
    EXPECT_NEAR(MeanObliquity(J2000DateTime), 84381.448 / 3600, 1e-12);
}

// The nutation in longitude stays within its amplitude (17.2" plus the smaller terms) and the
// true obliquity within 10" of the mean one, from 1000 to 3000 AD.
TEST(Nutation, StaysWithinItsAmplitude)
{
    double largestPsi = 0.0;
    double largestEpsilon = 0.0;
    for (TDateTime t = CalendarToDateTime(1000, 1, 1); t < CalendarToDateTime(3000, 1, 1); t += 13.7) {
        const TNutation nutation = Nutation(t);
        largestPsi = std::max(largestPsi, std::fabs(nutation.DeltaPsi) / Arcsecond);
        largestEpsilon = std::max(largestEpsilon, std::fabs(nutation.Epsilon - MeanObliquity(t)) / Arcsecond);
    }
    EXPECT_GT(largestPsi, 16.0);
    EXPECT_LT(largestPsi, 19.5);
    EXPECT_GT(largestEpsilon, 8.5);
    EXPECT_LT(largestEpsilon, 10.5);
}

// Meeus example 12.a: 1987-04-10 0h UT, apparent sidereal time 13h10m46.1351s.
TEST(SiderealTime, MeeusExample12a)
{
    const double hours = SiderealTime(CalendarToDateTime(1987, 4, 10)) / 15.0;
    EXPECT_NEAR(hours * 3600.0, 13 * 3600 + 10 * 60 + 46.1351, 0.002);
}

TEST(SiderealTime, MeanTermAtJ2000)
{
    const TNutation nutation = Nutation(J2000DateTime);
    const double mean = SiderealTime(J2000DateTime) - nutation.DeltaPsi * std::cos(nutation.Epsilon * Pi / 180);
    EXPECT_NEAR(mean, 280.46061837, 1e-9);
}

// One sidereal day later the sidereal time is back where it was; and it stays in [0, 360).
TEST(SiderealTime, AdvancesOneTurnPerSiderealDay)
{
    const double siderealDay = 360.0 / 360.98564736629;
    for (TDateTime t = -100000.0; t < 100000.0; t += 97.31) {
        const double theta = SiderealTime(t);
        ASSERT_GE(theta, 0.0);
        ASSERT_LT(theta, 360.0);
        const double later = SiderealTime(t + siderealDay);
        const double difference = std::remainder(later - theta, 360.0);
        ASSERT_NEAR(difference, 0.0, 1e-4) << "t " << t;
    }
}

}  // namespace
}  // namespace astro
