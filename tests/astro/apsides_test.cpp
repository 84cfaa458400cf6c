#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

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
    const double jd = DateTimeToJulian(PerigeeApogeeInstant(true, At(1988, 10, 1, 0, 0)));
    EXPECT_NEAR(jd, 2447442.3543, 0.00005);
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
                                         TAfterCase{"perigee", PerigeeAfter, 13, 1, 10, 36},
                                         // The mean-orbit perihelion, a day after the true one of 01-03 01:00.
                                         TAfterCase{"perihelion", PerihelionAfter, 4, 1, 5, 43},
                                         TAfterCase{"aphelion", AphelionAfter, 4, 7, 20, 50}),
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
