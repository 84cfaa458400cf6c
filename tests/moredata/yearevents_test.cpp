#include "moredata/yearevents.h"

#include "astro/calendar.h"
#include "astro/constants.h"
#include "astro/dayinterval.h"
#include "astro/riseset.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

using astro::TDateTime;

constexpr double Minute = 1.0 / astro::MinutesPerDay;

TDateTime At(int year, int month, int day, int hour = 0, int minute = 0)
{
    return astro::CalendarToDateTime(year, month, day) + (hour * 60 + minute) * Minute;
}

TEST(YearEvents, TheListAfterTheMarchEquinoxOf2024)
{
    const TYearEvents events = YearEvents(At(2024, 3, 20));
    ASSERT_TRUE(events.Seasons.has_value());
    EXPECT_NEAR((*events.Seasons)[0], At(2024, 3, 20, 3, 6), 3 * Minute);
    EXPECT_NEAR((*events.Seasons)[3], At(2024, 12, 21, 9, 20), 3 * Minute);
    // The method's apsides are those of the earth-moon barycentre, up to a day and a half off.
    EXPECT_NEAR(events.Perihelion, At(2025, 1, 4, 13, 28), 1.5);
    EXPECT_NEAR(events.Aphelion, At(2024, 7, 5, 5, 6), 1.5);
    EXPECT_EQ(events.SolarType, astro::ecTotal);
    EXPECT_NEAR(events.SolarEclipse, At(2024, 4, 8, 18, 18), Minute);
    EXPECT_EQ(events.LunarType, astro::ecPenumbral);
    EXPECT_NEAR(events.LunarEclipse, At(2024, 3, 25, 7, 14), Minute);
    ASSERT_TRUE(events.Easter && events.Passover && events.ChineseNewYear);
    EXPECT_EQ(events.Easter->Date, At(2024, 3, 31));
    EXPECT_EQ(events.Passover->Date, At(2024, 4, 23));
    EXPECT_EQ(events.ChineseNewYear->Date, At(2024, 2, 10));
    EXPECT_EQ(events.ChineseNewYear->Branch, 4);  // Dragon
}

// Each feast has its own range: one outside it leaves the others.
TEST(YearEvents, AFeastOutOfItsRangeIsMissingAlone)
{
    const TYearEvents events = YearEvents(At(300, 6, 1));
    EXPECT_FALSE(events.Passover.has_value());
    EXPECT_TRUE(events.Easter.has_value());
    EXPECT_TRUE(events.Seasons.has_value());
}

struct TDayCase {
    const char* name;
    double latitude, longitude;
    TDateTime day;
    bool sunrise, transit, sunset;
};

// Every event found lies on the day asked for (universal time); where the sun neither rises
// nor sets it still crosses the meridian.
TEST(DayEvents, EventsLieOnTheDayOrAreMissing)
{
    const TDayCase cases[] = {
        {"Berlin", 52.52, -13.40, At(2024, 6, 21), true, true, true},
        {"Auckland", -36.85, -174.76, At(2024, 6, 21), true, true, true},
        {"Honolulu", 21.31, 157.86, At(2024, 12, 1), true, true, true},
        {"Longyearbyen midsummer", 78.22, -15.65, At(2024, 6, 21), false, true, false},
        {"Longyearbyen midwinter", 78.22, -15.65, At(2024, 12, 21), false, true, false},
    };
    for (const TDayCase& c : cases) {
        const TDayEvents events = DayEvents(c.day, c.latitude, c.longitude);
        const bool expected[] = {c.sunrise, c.transit, c.sunset};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(!std::isnan(events.Sun[i]), expected[i]) << c.name << " sun event " << i;
            if (!std::isnan(events.Sun[i])) {
                EXPECT_EQ(std::floor(events.Sun[i]), c.day) << c.name << " sun event " << i;
            }
        }
        for (int i = 0; i < 3; ++i) {
            if (!std::isnan(events.Moon[i])) {
                EXPECT_EQ(std::floor(events.Moon[i]), c.day) << c.name << " moon event " << i;
            }
        }
    }
}

// The moon comes about 50 minutes later each day, so about once a month a rise misses the day.
TEST(DayEvents, TheMoonMissesOneRiseAMonth)
{
    int missing = 0;
    for (TDateTime day = At(2024, 1, 1); day < At(2024, 1, 31); ++day)
        missing += std::isnan(DayEvents(day, 52.52, -13.40).Moon[0]) ? 1 : 0;
    EXPECT_EQ(missing, 1);
}

// At 69.65 N the moon has days without a rise on which it still transits or sets: the missing
// rise must hide neither.
TEST(DayEvents, AMoonThatDoesNotRiseStillTransitsAndSets)
{
    struct TCase {
        TDateTime Day;
        bool Transits, Sets;
    };
    for (const TCase& c : {TCase{At(2025, 1, 9), true, false}, TCase{At(2025, 4, 14), false, true}}) {
        const TBodyDayEvents moon = DayEvents(c.Day, 69.65, -18.96).Moon;
        EXPECT_TRUE(std::isnan(moon[0])) << c.Day;
        EXPECT_EQ(std::floor(moon[1]) == c.Day, c.Transits) << c.Day;
        EXPECT_EQ(std::floor(moon[2]) == c.Day, c.Sets) << c.Day;
    }
}

// The same instant to the bit, or both missing.
bool SameEvent(TDateTime a, TDateTime b) { return std::isnan(a) ? std::isnan(b) : a == b; }

// A span's moonrise and moonset taken from its light are those found on their own, on days of
// 23, 24 and 25 hours, where the moon skips a rise and where it stays up or down all day.
TEST(DayEventsBetween, TheMoonsRiseAndSetFromTheLightAreThoseFoundAlone)
{
    struct TCase {
        const char* name;
        double latitude, longitude;
        TDateTime start, end;
    };
    const TCase cases[] = {
        {"Berlin", 52.52, -13.40, At(2027, 5, 5, 22), At(2027, 5, 6, 22)},
        {"Berlin, clocks forward", 52.52, -13.40, At(2027, 3, 27, 23), At(2027, 3, 28, 22)},
        {"Berlin, clocks back", 52.52, -13.40, At(2027, 10, 30, 22), At(2027, 10, 31, 23)},
        {"Sydney", -33.87, -151.2, At(2027, 11, 29, 13), At(2027, 11, 30, 13)},
        {"Tromso, no moonrise", 69.65, -18.96, At(2025, 1, 9), At(2025, 1, 10)},
        {"Tromso, setting only", 69.65, -18.96, At(2025, 4, 14), At(2025, 4, 15)},
        {"Longyearbyen midwinter", 78.22, -15.65, At(2024, 12, 21), At(2024, 12, 22)},
    };
    for (const TCase& c : cases) {
        const astro::TDayLight light = astro::DayLightBetween(c.start, c.end, c.latitude, c.longitude);
        const TDayEvents alone = DayEventsBetween(c.start, c.end, c.latitude, c.longitude);
        const TDayEvents withLight = DayEventsBetween(c.start, c.end, c.latitude, c.longitude, light);
        for (int i = 0; i < 3; ++i) {
            EXPECT_TRUE(SameEvent(withLight.Sun[i], alone.Sun[i])) << c.name << " sun event " << i;
            EXPECT_TRUE(SameEvent(withLight.Moon[i], alone.Moon[i])) << c.name << " moon event " << i;
        }
    }
}

}  // namespace
