// The span form of the light against the UT-day form on whole UT days, where the two must
// agree; spans that cut UT days are held against libnova in tests/reference.

#include "astro/dayinterval.h"

#include "astro/calendar.h"
#include "astro/errors.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using astro::TDateTime;
using astro::TLightEvent;

void ExpectSameEvent(const TLightEvent& span, const TLightEvent& day, const char* what, double date, double latitude)
{
    EXPECT_EQ(span.Kind, day.Kind) << what << " on " << date << " at " << latitude;
    if (span.Kind == astro::lkOccurs && day.Kind == astro::lkOccurs) {
        EXPECT_NEAR(span.Time, day.Time, 1e-9) << what << " on " << date << " at " << latitude;
    }
}

TEST(DayLightBetween, OnAWholeUtDayIsThatDaysLight)
{
    const TDateTime first = astro::CalendarToDateTime(2027, 1, 1);
    for (const double latitude : {-55.0, -33.9, 0.0, 40.7, 52.5, 64.0, 69.65}) {
        for (TDateTime day = first; day < first + 365; day += 23) {
            const astro::TDayLight span = astro::DayLightBetween(day, day + 1, latitude, -13.4);
            const astro::TDayLight whole = astro::DayLight(day, latitude, -13.4);
            for (const bool morning : {true, false}) {
                const astro::TSunLight& a = morning ? span.Morning : span.Evening;
                const astro::TSunLight& b = morning ? whole.Morning : whole.Evening;
                ExpectSameEvent(a.Astronomical, b.Astronomical, "astronomical", day, latitude);
                ExpectSameEvent(a.Nautical, b.Nautical, "nautical", day, latitude);
                ExpectSameEvent(a.Civil, b.Civil, "civil", day, latitude);
                ExpectSameEvent(a.BlueGolden, b.BlueGolden, "blue/golden", day, latitude);
                ExpectSameEvent(a.Horizon, b.Horizon, "horizon", day, latitude);
                ExpectSameEvent(a.Golden, b.Golden, "golden", day, latitude);
            }
            ExpectSameEvent(span.Moonrise.Horizon, whole.Moonrise.Horizon, "moonrise", day, latitude);
            ExpectSameEvent(span.Moonset.Horizon, whole.Moonset.Horizon, "moonset", day, latitude);
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
