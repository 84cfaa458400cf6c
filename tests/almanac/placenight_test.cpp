// The nights of a place's dates: local noon to the next local noon, whatever the clocks do in
// between.

#include "almanac/placenight.h"
#include "astro/calendar.h"
#include "astro/constants.h"

#include <QDateTime>
#include <gtest/gtest.h>

namespace {

struct TNightSpan {
    const char* Name;
    const char* Zone;
    int Year, Month, Day;
    double Hours;           // the night's length
    int NoonOffsetMinutes;  // of the zone's clock at the night's start
};

class LocalNight : public testing::TestWithParam<TNightSpan> {};

TEST_P(LocalNight, RunsFromNoonToTheNextNoon)
{
    const TNightSpan& c = GetParam();
    const TPlaceZone zone(QTimeZone(QByteArray(c.Zone)));
    const double number = astro::CalendarToDateTime(c.Year, c.Month, c.Day);
    const TLocalNight night = NightOfDay(zone, number);
    ASSERT_FALSE(night.empty());
    EXPECT_EQ(night.Number, number);
    EXPECT_NEAR((night.End - night.Start) * 24, c.Hours, 1e-6);
    EXPECT_NEAR(night.Start, number + 0.5 - c.NoonOffsetMinutes / astro::MinutesPerDay, 1e-7);
    // Both ends show 12:00 on the zone's clock.
    for (const astro::TDateTime t : {night.Start, night.End}) {
        const double local = zone.localTime(t);
        EXPECT_NEAR(local - std::floor(local + 1e-9), 0.5, 1e-7) << t;
    }
}

INSTANTIATE_TEST_SUITE_P(Zones, LocalNight,
                         testing::Values(TNightSpan{"Ordinary", "Europe/Berlin", 2024, 6, 6, 24, 120},
                                         TNightSpan{"SpringForward", "Europe/Berlin", 2024, 3, 30, 23, 60},
                                         TNightSpan{"FallBack", "Europe/Berlin", 2024, 10, 26, 25, 120},
                                         TNightSpan{"SouthernSpring", "Australia/Sydney", 2024, 10, 5, 23, 600},
                                         TNightSpan{"BeforeTheSkippedDay", "Pacific/Apia", 2011, 12, 29, 24, -600}),
                         [](const testing::TestParamInfo<TNightSpan>& info) { return std::string(info.param.Name); });

// Samoa left out 30 December 2011: that date has no night.
TEST(LocalNight, ASkippedDayHasNoNight)
{
    const TPlaceZone zone(QTimeZone(QByteArray("Pacific/Apia")));
    EXPECT_TRUE(NightOfDay(zone, astro::CalendarToDateTime(2011, 12, 30)).empty());
}

}  // namespace
