// The sky of a day as the chart draws it: the phases of the sun's altitude, the samples of a
// day of 23, 24 and 25 hours, and the paths against what the sun must do (its culmination on
// the meridian at 90 - |latitude - declination|, its crossings where the day's light puts them).

#include "planner/skyday.h"

#include "astro/calendar.h"
#include "astro/sun.h"

#include <QTimeZone>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

struct TPhaseCase {
    double Altitude;
    TLightPhase Phase;
};

class LightPhase : public ::testing::TestWithParam<TPhaseCase> {};

TEST_P(LightPhase, FollowsTheSunsAltitudeUpwards)
{
    EXPECT_EQ(LightPhaseOf(GetParam().Altitude), GetParam().Phase) << GetParam().Altitude;
}

INSTANTIATE_TEST_SUITE_P(
    Altitudes, LightPhase,
    ::testing::Values(TPhaseCase{-90, TLightPhase::Night}, TPhaseCase{-18.01, TLightPhase::Night},
                      TPhaseCase{-18, TLightPhase::Astronomical}, TPhaseCase{-12.01, TLightPhase::Astronomical},
                      TPhaseCase{-12, TLightPhase::Nautical}, TPhaseCase{-6, TLightPhase::BlueHour},
                      TPhaseCase{-4.01, TLightPhase::BlueHour}, TPhaseCase{-4, TLightPhase::GoldenHour},
                      TPhaseCase{0, TLightPhase::GoldenHour}, TPhaseCase{5.99, TLightPhase::GoldenHour},
                      TPhaseCase{6, TLightPhase::Day}, TPhaseCase{90, TLightPhase::Day}));

struct TDayCase {
    const char* What;
    const char* Zone;
    double Latitude;
    double Longitude;  // west positive
    int Year, Month, Day;
    int Hours;  // the local day's length
};

const TDayCase Days[] = {
    {"Berlin at midsummer", "Europe/Berlin", 52.52, -13.405, 2027, 6, 21, 24},
    {"Berlin at midwinter", "Europe/Berlin", 52.52, -13.405, 2026, 12, 21, 24},
    {"Berlin, clocks forward", "Europe/Berlin", 52.52, -13.405, 2027, 3, 28, 23},
    {"Berlin, clocks back", "Europe/Berlin", 52.52, -13.405, 2027, 10, 31, 25},
    {"Tromsø at midsummer", "Europe/Oslo", 69.6489, -18.9551, 2027, 6, 21, 24},
    {"Sydney in July", "Australia/Sydney", -33.8678, -151.2073, 2027, 7, 15, 24},
    {"Quito at the equinox", "America/Guayaquil", -0.2299, 78.525, 2027, 3, 20, 24},
};

class SkyDay : public ::testing::TestWithParam<TDayCase> {
protected:
    TSkyDay compute() const
    {
        const TDayCase& row = GetParam();
        const TPlaceZone zone(QTimeZone(row.Zone));
        return ComputeSkyDay(zone.day(astro::CalendarToDateTime(row.Year, row.Month, row.Day)), row.Latitude,
                             row.Longitude);
    }
};

TEST_P(SkyDay, SamplesTheWholeLocalDay)
{
    const TSkyDay sky = compute();
    ASSERT_EQ(static_cast<int>(sky.Samples.size()), GetParam().Hours * 60 / SampleMinutes + 1) << GetParam().What;
    EXPECT_DOUBLE_EQ(sky.Samples.front().Time, sky.Day.Start);
    EXPECT_DOUBLE_EQ(sky.Samples.back().Time, sky.Day.End);
    for (std::size_t i = 1; i < sky.Samples.size(); ++i)
        EXPECT_LT(sky.Samples[i - 1].Time, sky.Samples[i].Time);
    for (const TSkySample& sample : sky.Samples)
        for (const TSkyPlace& place : {sample.Sun, sample.Moon, sample.Core}) {
            EXPECT_GE(place.Azimuth, 0);
            EXPECT_LT(place.Azimuth, 360);
            EXPECT_LE(std::abs(place.Altitude), 90);
        }
}

TEST_P(SkyDay, TheSunCulminatesOnTheMeridianAtItsNoonAltitude)
{
    const TSkyDay sky = compute();
    const auto highest =
        std::max_element(sky.Samples.begin(), sky.Samples.end(),
                         [](const TSkySample& a, const TSkySample& b) { return a.Sun.Altitude < b.Sun.Altitude; });
    const double declination = astro::SunPosition(highest->Time).Declination;
    // Ten minutes from the culmination the sun is lower by at most half a degree.
    EXPECT_NEAR(highest->Sun.Altitude, 90 - std::abs(GetParam().Latitude - declination), 0.5) << GetParam().What;
    // On the meridian: south of a place north of the sun, north of one south of it; at
    // Quito the sun stands nearly overhead, where the azimuth says little.
    if (std::abs(GetParam().Latitude - declination) > 5) {
        const double towards = GetParam().Latitude > declination ? 180 : 0;
        const double off = std::remainder(highest->Sun.Azimuth - towards, 360);
        EXPECT_LT(std::abs(off), 5) << GetParam().What << " " << highest->Sun.Azimuth;
    }
}

TEST_P(SkyDay, ThePhasesChangeWhereTheDaysLightSaysTheSunCrosses)
{
    const TSkyDay sky = compute();
    const double step = SampleMinutes / 1440.0;
    for (const astro::TSunLight* side : {&sky.Light.Morning, &sky.Light.Evening}) {
        for (const astro::TLightEvent* crossing : {&side->Civil, &side->BlueGolden, &side->Golden}) {
            if (crossing->Kind != astro::lkOccurs)
                continue;
            // The samples either side of the crossing lie in different phases.
            const TSkySample& near = sky.nearest(crossing->Time);
            const double before = near.Time <= crossing->Time ? near.Time : near.Time - step;
            const TSkySample& a = sky.nearest(before);
            const TSkySample& b = sky.nearest(before + step);
            EXPECT_NE(LightPhaseOf(a.Sun.Altitude), LightPhaseOf(b.Sun.Altitude)) << GetParam().What;
            EXPECT_LE(a.Time, crossing->Time + 1e-9);
            EXPECT_GE(b.Time, crossing->Time - 1e-9);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Places, SkyDay, ::testing::ValuesIn(Days));

TEST(SkyDayNearest, PicksTheCloserSampleAndTheEndsOutsideTheDay)
{
    const TPlaceZone zone(QTimeZone("Europe/Berlin"));
    const TSkyDay sky = ComputeSkyDay(zone.day(astro::CalendarToDateTime(2027, 6, 21)), 52.52, -13.405);
    const double step = SampleMinutes / 1440.0;
    EXPECT_DOUBLE_EQ(sky.nearest(sky.Day.Start - 1).Time, sky.Day.Start);
    EXPECT_DOUBLE_EQ(sky.nearest(sky.Day.End + 1).Time, sky.Day.End);
    EXPECT_DOUBLE_EQ(sky.nearest(sky.Day.Start + 0.4 * step).Time, sky.Day.Start);
    EXPECT_DOUBLE_EQ(sky.nearest(sky.Day.Start + 0.6 * step).Time, sky.Samples[1].Time);
}

TEST(SkyDayNearest, ASkippedDayHasNoSamples)
{
    // Samoa skipped 30 December 2011.
    const TPlaceZone zone(QTimeZone("Pacific/Apia"));
    const TSkyDay sky = ComputeSkyDay(zone.day(astro::CalendarToDateTime(2011, 12, 30)), -13.83, 171.76);
    EXPECT_TRUE(sky.empty());
}

}  // namespace
