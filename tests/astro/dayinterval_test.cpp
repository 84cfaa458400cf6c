// The span form of the light on spans that cut UT days; their instants are held against
// libnova in tests/reference.

#include "astro/dayinterval.h"

#include "astro/calendar.h"
#include "astro/errors.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using astro::TDateTime;
using astro::TLightEvent;

// Local days of zones east and west of Greenwich cut two UT days: every crossing found lies
// inside the span, and those of one half of the day come in the order the sky passes them.
TEST(DayLightBetween, CrossingsOfALocalDayLieInsideItInTheSkysOrder)
{
    const TDateTime first = astro::CalendarToDateTime(2027, 1, 1);
    const struct {
        double latitude, longitudeWest, offsetHours;
    } places[] = {
        {52.52, -13.4, 1}, {40.71, 74.01, -5}, {-33.87, -151.21, 10}, {69.65, -18.96, 1}, {27.7, -85.3, 5.75}};
    for (const auto& place : places) {
        for (TDateTime day = first; day < first + 365; day += 11) {
            const double start = day - place.offsetHours / 24;
            const double end = start + 1;
            const astro::TDayLight light = astro::DayLightBetween(start, end, place.latitude, place.longitudeWest);
            for (const bool morning : {true, false}) {
                const astro::TSunLight& side = morning ? light.Morning : light.Evening;
                const TLightEvent* order[] = {&side.Astronomical, &side.Nautical, &side.Civil,
                                              &side.BlueGolden,   &side.Horizon,  &side.Golden};
                double previous = morning ? -INFINITY : INFINITY;
                for (const TLightEvent* event : order) {
                    if (event->Kind != astro::lkOccurs)
                        continue;
                    EXPECT_GE(event->Time, start) << place.latitude << " " << day;
                    EXPECT_LT(event->Time, end) << place.latitude << " " << day;
                    // Near the poles one crossing of a band can fall in the next night's turn.
                    if (std::fabs(place.latitude) < 60) {
                        if (morning)
                            EXPECT_GT(event->Time, previous) << place.latitude << " " << day;
                        else
                            EXPECT_LT(event->Time, previous) << place.latitude << " " << day;
                    }
                    previous = event->Time;
                }
            }
            for (const astro::TMoonLight* moon : {&light.Moonrise, &light.Moonset}) {
                if (moon->Horizon.Kind == astro::lkOccurs) {
                    EXPECT_GE(moon->Horizon.Time, start);
                    EXPECT_LT(moon->Horizon.Time, end);
                }
            }
        }
    }
}

// Near the edge of the midnight sun, and for the moon at high latitudes, one UT day can hold
// two crossings of a kind; the local day that starts late in it keeps the second, which the UT
// day's single answer left out. The instants are libnova's (tests/reference).
TEST(RiseTransitSetBetween, KeepsTheSecondCrossingOfAUtDayThatTheLocalDayHolds)
{
    constexpr double Minute = 1.0 / 1440;
    const struct {
        const char* what;
        bool isSun;
        astro::TRiseSetEvent event;
        double latitude, longitudeWest;
        int year, month, day;  // the local day, in a zone two hours east of Greenwich
        double expectedHoursBeforeMidnightUt;
    } cases[] = {
        {"sunrise at Longyearbyen", true, astro::rsRise, 78.22, -15.65, 2027, 4, 18, (12 * 60 + 33) / 3600.0},
        {"moonset at Tromso", false, astro::rsSet, 69.65, -18.96, 2027, 5, 18, (29 * 60 + 40) / 3600.0},
        {"moonset at Longyearbyen", false, astro::rsSet, 78.22, -15.65, 2027, 4, 20, (35 * 60 + 43) / 3600.0},
    };
    for (const auto& c : cases) {
        const TDateTime midnightUt = astro::CalendarToDateTime(c.year, c.month, c.day);
        const TDateTime start = midnightUt - 2.0 / 24;
        const auto found =
            astro::RiseTransitSetBetween(c.isSun, c.event, start, start + 1, c.latitude, c.longitudeWest);
        ASSERT_TRUE(found.has_value()) << c.what;
        EXPECT_NEAR(*found, midnightUt - c.expectedHoursBeforeMidnightUt / 24, (c.isSun ? 1 : 2) * Minute) << c.what;
    }
}

// A window that starts at 0h UT is the UT day.
TEST(RiseTransitSetFrom, OnAWholeUtDayIsTheUtDaysAnswer)
{
    const TDateTime first = astro::CalendarToDateTime(2027, 1, 3);
    for (TDateTime day = first; day < first + 365; day += 29) {
        for (const bool isSun : {true, false}) {
            for (const auto event : {astro::rsRise, astro::rsTransit, astro::rsSet}) {
                for (const double latitude : {-45.0, 0.0, 52.5, 69.65}) {
                    double fromUtDay = NAN, fromWindow = NAN;
                    try {
                        fromUtDay = astro::RiseTransitSet(isSun, event, day, latitude, -13.4);
                    } catch (const astro::E_NoRiseSet&) {
                    }
                    try {
                        fromWindow = astro::RiseTransitSetFrom(isSun, event, day, latitude, -13.4);
                    } catch (const astro::E_NoRiseSet&) {
                    }
                    if (std::isnan(fromUtDay))
                        EXPECT_TRUE(std::isnan(fromWindow)) << day << " " << latitude;
                    else
                        EXPECT_NEAR(fromWindow, fromUtDay, 1e-9) << day << " " << latitude;
                }
            }
        }
    }
}

TEST(DayLightBetween, RefusesSpansItCannotTake)
{
    const TDateTime day = astro::CalendarToDateTime(2027, 3, 1);
    EXPECT_THROW(astro::DayLightBetween(day, day, 52.5, 0), astro::E_OutOfAlgorithmRange);
    EXPECT_THROW(astro::DayLightBetween(day, day + 3, 52.5, 0), astro::E_OutOfAlgorithmRange);
    EXPECT_THROW(astro::DayLightBetween(NAN, day, 52.5, 0), astro::E_OutOfAlgorithmRange);
    EXPECT_THROW(astro::DayLightBetween(day, day + 1, 91, 0), astro::E_OutOfAlgorithmRange);
    EXPECT_THROW(astro::RiseTransitSetBetween(true, astro::rsRise, day + 1, day, 52.5, 0),
                 astro::E_OutOfAlgorithmRange);
}

}  // namespace
