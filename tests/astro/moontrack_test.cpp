#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/moon_position.h"
#include "astro/moontrack.h"

namespace astro {
namespace {

// Differences of angles that may lie a turn apart.
double AngleApart(double a, double b) { return std::fabs(Normalize360(a - b + 180.0) - 180.0); }

// Every quarter hour of the track's span, over more than a month, so the right ascension
// passes 360/0 and the declination both turns.
TEST(MoonTrack, FollowsTheMoonsOwnPositionsAcrossItsWholeSpan)
{
    double worstRightAscension = 0.0;
    double worstDeclination = 0.0;
    const TDateTime first = CalendarToDateTime(2025, 1, 1);
    for (TDateTime day = first; day < first + 35; day += 1) {
        const TMoonTrack track = MoonTrack(day);
        for (double m = -0.25; m <= 1.25; m += 1.0 / 96) {
            const TSkyPosition moon = MoonPosition(day + m);
            const TEquatorialPlace place = MoonPlaceOnTrack(track, m);
            worstRightAscension = std::max(worstRightAscension, AngleApart(place.RightAscension, moon.RightAscension));
            worstDeclination = std::max(worstDeclination, std::fabs(place.Declination - moon.Declination));
        }
    }
    EXPECT_LT(worstRightAscension, 1e-4);
    EXPECT_LT(worstDeclination, 1e-4);
}

TEST(MoonTrack, ANaNDayFractionReadsTheTrackWithoutFailing)
{
    const TMoonTrack track = MoonTrack(CalendarToDateTime(2025, 1, 1));
    EXPECT_TRUE(std::isnan(MoonPlaceOnTrack(track, std::nan("")).Declination));
}

}  // namespace
}  // namespace astro
