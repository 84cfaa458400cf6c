#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/daylight.h"
#include "astro/errors.h"
#include "astro/moon_position.h"
#include "astro/phases.h"
#include "astro/riseset.h"
#include "astro/sun.h"
#include "astro/transforms.h"

namespace astro {
namespace {

constexpr double Tromso[] = {69.65, -18.96};  // latitude, longitude (west positive)
constexpr double Berlin[] = {52.5, -13.4};

// The sun's crossings of one half of the day in the order the light changes: the morning's
// go up, the evening's come down in reverse.
std::vector<TLightEvent> InOrder(const TSunLight& side)
{
    return {side.Astronomical, side.Nautical, side.Civil, side.BlueGolden, side.Horizon, side.Golden};
}

// Azimuth from north through east of a point on the horizon-ish circle, from the declination
// alone: cos A = (sin dec - sin lat sin h) / (cos lat cos h), east in the morning.
double AzimuthFromDeclination(double declination, double latitude, double altitude, bool morning)
{
    const double cosA =
        (SinDeg(declination) - SinDeg(latitude) * SinDeg(altitude)) / (CosDeg(latitude) * CosDeg(altitude));
    const double a = ArcCosDeg(cosA);
    return morning ? a : 360.0 - a;
}

TEST(DayLight, AnOrdinaryDayInBerlinHasEveryCrossingInOrder)
{
    const TDateTime day = CalendarToDateTime(2024, 3, 15);
    const TDayLight light = DayLight(day + 0.7, Berlin[0], Berlin[1]);
    TDateTime previous = day;
    for (const TLightEvent& e : InOrder(light.Morning)) {
        ASSERT_EQ(e.Kind, lkOccurs);
        EXPECT_GT(e.Time, previous);
        previous = e.Time;
    }
    const auto evening = InOrder(light.Evening);
    for (auto e = evening.rbegin(); e != evening.rend(); ++e) {
        ASSERT_EQ(e->Kind, lkOccurs);
        EXPECT_GT(e->Time, previous);
        previous = e->Time;
    }
    EXPECT_LT(previous, day + 1);
    EXPECT_NEAR(light.Morning.Horizon.Time, SunRiseTime(day, Berlin[0], Berlin[1]), 1e-9);
    EXPECT_NEAR(light.Evening.Horizon.Time, SunSetTime(day, Berlin[0], Berlin[1]), 1e-9);

    for (const bool morning : {true, false}) {
        const TSunLight& side = morning ? light.Morning : light.Evening;
        const double declination = SunPosition(side.Horizon.Time).Declination;
        EXPECT_NEAR(side.HorizonAzimuth, AzimuthFromDeclination(declination, Berlin[0], SunRiseSetAltitude, morning),
                    0.05);
    }
}

// The moon rises and sets once a day, except about once a month when it does not rise and
// once when it does not set; its direction and phase are those of the instant.
TEST(DayLight, TheMoonOverAMonthInBerlin)
{
    int noRise = 0;
    int noSet = 0;
    const TDateTime first = CalendarToDateTime(2024, 3, 1);
    for (TDateTime day = first; day < first + 30; day += 1) {
        const TDayLight light = DayLight(day, Berlin[0], Berlin[1]);
        for (const TMoonLight* m : {&light.Moonrise, &light.Moonset}) {
            const bool rise = m == &light.Moonrise;
            if (m->Horizon.Kind != lkOccurs) {
                EXPECT_EQ(m->Horizon.Kind, lkOtherDay) << day;
                ++(rise ? noRise : noSet);
                // The moon rises about 50 minutes later each day, so it skips a day after
                // rising late on the day before.
                const TLightEvent before = (rise ? DayLight(day - 1, Berlin[0], Berlin[1]).Moonrise
                                                 : DayLight(day - 1, Berlin[0], Berlin[1]).Moonset)
                                               .Horizon;
                ASSERT_EQ(before.Kind, lkOccurs);
                EXPECT_GT(before.Time - (day - 1), 22.0 / 24) << day;
                continue;
            }
            EXPECT_GE(m->Horizon.Time, day);
            EXPECT_LT(m->Horizon.Time, day + 1);
            EXPECT_DOUBLE_EQ(m->IlluminatedFraction, MoonIlluminatedFraction(m->Horizon.Time));
            // Rising in the eastern half of the sky, setting in the western.
            EXPECT_EQ(m->Azimuth > 0 && m->Azimuth < 180, rise) << day << " " << m->Azimuth;
        }
    }
    // A lunation is 29.5 days, so 30 days hold one or two skipped days.
    EXPECT_GE(noRise, 1);
    EXPECT_LE(noRise, 2);
    EXPECT_GE(noSet, 1);
    EXPECT_LE(noSet, 2);
}

// Midsummer at 69.65 N: the sun stays above the horizon and all the twilights; it only dips
// below +6 degrees around midnight.
TEST(DayLight, MidsummerAtTromso)
{
    const TDayLight light = DayLight(CalendarToDateTime(2024, 6, 21), Tromso[0], Tromso[1]);
    for (const TSunLight* side : {&light.Morning, &light.Evening}) {
        EXPECT_EQ(side->Astronomical.Kind, lkAboveAllDay);
        EXPECT_EQ(side->Nautical.Kind, lkAboveAllDay);
        EXPECT_EQ(side->Civil.Kind, lkAboveAllDay);
        EXPECT_EQ(side->BlueGolden.Kind, lkAboveAllDay);
        EXPECT_EQ(side->Horizon.Kind, lkAboveAllDay);
        EXPECT_EQ(side->Golden.Kind, lkOccurs);
    }
}

// Midwinter at 69.65 N: polar night, but the sun comes up to about -3 degrees at noon, so
// every twilight and the blue hour happen.
TEST(DayLight, MidwinterAtTromso)
{
    const TDayLight light = DayLight(CalendarToDateTime(2024, 12, 21), Tromso[0], Tromso[1]);
    for (const TSunLight* side : {&light.Morning, &light.Evening}) {
        EXPECT_EQ(side->Astronomical.Kind, lkOccurs);
        EXPECT_EQ(side->Nautical.Kind, lkOccurs);
        EXPECT_EQ(side->Civil.Kind, lkOccurs);
        EXPECT_EQ(side->BlueGolden.Kind, lkOccurs);
        EXPECT_EQ(side->Horizon.Kind, lkBelowAllDay);
        EXPECT_EQ(side->Golden.Kind, lkBelowAllDay);
    }
    EXPECT_LT(light.Morning.BlueGolden.Time, light.Evening.BlueGolden.Time);
}

// In the month of the lunar standstill the moon at 69.65 N stays up for days and down for
// days; on those days its altitude, sampled through the day, agrees with the reason given.
TEST(DayLight, TheMoonAboveOrBelowAllDayAtTromso)
{
    int above = 0;
    int below = 0;
    const TDateTime first = CalendarToDateTime(2025, 1, 1);
    for (TDateTime day = first; day < first + 30; day += 1) {
        const TLightEvent rise = DayLight(day, Tromso[0], Tromso[1]).Moonrise.Horizon;
        if (rise.Kind != lkAboveAllDay && rise.Kind != lkBelowAllDay)
            continue;
        const double level = MoonRiseSetAltitude(day, Tromso[0], Tromso[1]);
        for (double hour = 0; hour < 24; hour += 1) {
            TSkyPosition moon = MoonPosition(day + hour / 24);
            EquatorialToHorizontal(moon, day + hour / 24, Tromso[1], Tromso[0]);
            EXPECT_EQ(moon.Elevation > level, rise.Kind == lkAboveAllDay) << day << " " << hour;
        }
        ++(rise.Kind == lkAboveAllDay ? above : below);
    }
    EXPECT_GE(above, 3);
    EXPECT_GE(below, 3);
}

// At the pole the sun's altitude barely changes in a day: no crossing, and the reason.
TEST(DayLight, AtThePoleTheSunIsUpOrDownAllDay)
{
    const TDayLight june = DayLight(CalendarToDateTime(2024, 6, 21), 90.0, 0.0);
    EXPECT_EQ(june.Morning.Horizon.Kind, lkAboveAllDay);
    EXPECT_EQ(june.Evening.Golden.Kind, lkAboveAllDay);
    const TDayLight december = DayLight(CalendarToDateTime(2024, 12, 21), 90.0, 0.0);
    EXPECT_EQ(december.Morning.Horizon.Kind, lkBelowAllDay);
    EXPECT_EQ(december.Evening.Astronomical.Kind, lkBelowAllDay);
}

TEST(DayLight, InputThatIsNoPlaceOrDayRaises)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const TDateTime day = CalendarToDateTime(2024, 3, 15);
    const double cases[][3] = {{nan, 52, 0},  {inf, 52, 0},   {day, nan, 0},  {day, 90.5, 0},
                               {day, -91, 0}, {day, 52, nan}, {day, 52, -inf}};
    for (const auto& c : cases) {
        try {
            DayLight(c[0], c[1], c[2]);
            ADD_FAILURE() << c[0] << " " << c[1] << " " << c[2];
        } catch (const E_OutOfAlgorithmRange& e) {
            EXPECT_STREQ(e.what(), "Out of range of the algorithm");
        }
    }
}

}  // namespace
}  // namespace astro
