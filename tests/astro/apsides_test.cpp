#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "astro/apsides.h"
#include "astro/calendar.h"
#include "astro/constants.h"

namespace astro {
namespace {

constexpr double Minute = 1.0 / MinutesPerDay;

TDateTime At(int year, int month, int day, int hour, int minute)
{
    return CalendarToDateTime(year, month, day) + (hour * 60 + minute) * Minute;
}

TEST(Apsides, ApogeeOfMeeusExample)
{
    // Meeus, Astronomical Algorithms, example 50.a: apogee of 1988 October, JDE 2447442.3543.
    const double jd = DateTimeToJulian(PerigeeApogeeInstantDynamical(true, At(1988, 10, 1, 0, 0)));
    EXPECT_NEAR(jd, 2447442.3543, 0.00005);
}

struct TPublishedApsis {
    const char* Name;
    TDateTime (*After)(TDateTime);
    TDateTime From;
    TDateTime Expected;  // universal time
    double Tolerance;    // days, the accuracy of the method
};

// Published instants in universal time: the perigee of 2016-11-14 11:23 (the closest of the
// century's first half, F. Espenak, "Moon at Perigee and Apogee"), the perihelion of
// 2025-01-04 13:28 and the aphelion of 2025-07-03 19:55 (US Naval Observatory, "Earth's
// Seasons"). Meeus gives the perigee series as good to about half an hour in the worst case;
// the mean-orbit perihelion and aphelion ignore the moon, which moves them by up to 1.7
// days.
TEST(Apsides, PublishedInstantsWithinTheMethodsAccuracy)
{
    const TPublishedApsis cases[] = {
        {"perigee", PerigeeAfter, At(2016, 11, 1, 0, 0), At(2016, 11, 14, 11, 23), 30 * Minute},
        {"perihelion", PerihelionAfter, At(2024, 12, 1, 0, 0), At(2025, 1, 4, 13, 28), 1.7},
        {"aphelion", AphelionAfter, At(2025, 6, 1, 0, 0), At(2025, 7, 3, 19, 55), 1.7},
    };
    for (const TPublishedApsis& c : cases) {
        const TDateTime found = c.After(c.From);
        std::printf("%s: %.1f min from the published instant\n", c.Name, (found - c.Expected) / Minute);
        EXPECT_NEAR(found, c.Expected, c.Tolerance) << c.Name;
    }
}

// The functions on universal time give the dynamical instant less Delta T (75 s in 2026 by
// the polynomial), perigee and apogee as well as perihelion and aphelion.
TEST(Apsides, UniversalInstantsLieDeltaTBeforeTheDynamicalOnes)
{
    const TDateTime date = At(2026, 5, 1, 0, 0);
    for (const bool second : {false, true}) {
        const TDateTime lunar = PerigeeApogeeInstant(second, date);
        EXPECT_NEAR((PerigeeApogeeInstantDynamical(second, date + 75.0 / SecondsPerDay) - lunar) * SecondsPerDay, 75.0,
                    1.0);
        const TDateTime solar = PerihelionAphelionInstant(second, date);
        EXPECT_NEAR((PerihelionAphelionInstantDynamical(second, date + 75.0 / SecondsPerDay) - solar) * SecondsPerDay,
                    75.0, 1.0);
    }
}

struct TAfterCase {
    const char* Name;
    TDateTime (*After)(TDateTime);
    int Day;
    int Month;
    int Hour;
    int Minute;
};

class ApsidesAfter2024 : public testing::TestWithParam<TAfterCase> {};

TEST_P(ApsidesAfter2024, FromNewYear)
{
    const TAfterCase& c = GetParam();
    const TDateTime found = c.After(At(2024, 1, 1, 0, 0));
    EXPECT_NEAR(found, At(2024, c.Month, c.Day, c.Hour, c.Minute), Minute) << c.Name;
}

INSTANTIATE_TEST_SUITE_P(Examples, ApsidesAfter2024,
                         testing::Values(TAfterCase{"apogee", ApogeeAfter, 1, 1, 15, 28},
                                         TAfterCase{"perigee", PerigeeAfter, 13, 1, 10, 35},
                                         // The mean-orbit perihelion, a day after the true one of 01-03 00:39.
                                         TAfterCase{"perihelion", PerihelionAfter, 4, 1, 5, 42},
                                         TAfterCase{"aphelion", AphelionAfter, 4, 7, 20, 49}),
                         [](const testing::TestParamInfo<TAfterCase>& info) { return info.param.Name; });

struct TCycleCase {
    const char* Name;
    TDateTime (*After)(TDateTime);
    double ShortestDays;  // shortest and longest interval between successive events
    double LongestDays;
};

class ApsidesCycle : public testing::TestWithParam<TCycleCase> {};

// Walking from event to event must neither skip an event nor stand still, and every event
// found is the instant itself when asked from exactly that instant.
TEST_P(ApsidesCycle, SuccessiveEventsOverCenturies)
{
    const TCycleCase& c = GetParam();
    for (int year : {1, 1000, 1900, 2000, 2100, 5000, 9990}) {
        TDateTime event = c.After(CalendarToDateTime(year, 1, 1));
        double shortest = 1e9;
        double longest = 0.0;
        for (int n = 0; n < 15; ++n) {
            ASSERT_EQ(c.After(event), event) << c.Name << " year " << year;
            const TDateTime next = c.After(event + Minute);
            shortest = std::min(shortest, next - event);
            longest = std::max(longest, next - event);
            event = next;
        }
        EXPECT_GE(shortest, c.ShortestDays) << c.Name << " year " << year;
        EXPECT_LE(longest, c.LongestDays) << c.Name << " year " << year;
    }
}

INSTANTIATE_TEST_SUITE_P(Walks, ApsidesCycle,
                         testing::Values(TCycleCase{"perigee", PerigeeAfter, 24.5, 28.6},
                                         TCycleCase{"apogee", ApogeeAfter, 26.9, 28.2},
                                         TCycleCase{"perihelion", PerihelionAfter, 365.2, 365.3},
                                         TCycleCase{"aphelion", AphelionAfter, 365.2, 365.3}),
                         [](const testing::TestParamInfo<TCycleCase>& info) { return info.param.Name; });

TEST(Apsides, AfterIsNeverEarlierThanTheDate)
{
    for (TDateTime date = At(2024, 1, 1, 0, 0); date < At(2026, 1, 1, 0, 0); date += 0.37) {
        EXPECT_GE(PerigeeAfter(date), date);
        EXPECT_LT(PerigeeAfter(date), date + 28.6);
        EXPECT_GE(ApogeeAfter(date), date);
        EXPECT_LT(ApogeeAfter(date), date + 28.2);
    }
}

}  // namespace
}  // namespace astro
