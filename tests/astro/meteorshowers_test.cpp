#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/constants.h"
#include "astro/deltat.h"
#include "astro/errors.h"
#include "astro/meteorshowers.h"
#include "astro/nutation.h"
#include "astro/seasons.h"
#include "astro/sidereal.h"
#include "astro/sun.h"

namespace astro {
namespace {

const TMeteorShower& Shower(const std::string& name)
{
    for (const TMeteorShower& shower : MeteorShowers)
        if (name == shower.Name)
            return shower;
    throw std::invalid_argument(name);
}

TDateTime GregorianDay(int year, int month, int day)
{
    return JulianToDateTime(GregorianCalendarToJD(year, month, day));
}

// The night from the local mean noon before `instant` to the one after, for a west-positive
// longitude: the night a photographer spends under the peak.
struct TNight {
    TDateTime Start, End;
};
TNight NightAround(TDateTime instant, double longitude)
{
    const double localMean = instant - longitude / 360.0;
    const TDateTime start = std::floor(localMean - 0.5) + 0.5 + longitude / 360.0;
    return {start, start + 1};
}

// The standard altitude formula, on the library's sidereal time.
double AltitudeFromHourAngle(double rightAscension, double declination, TDateTime ut, double latitude, double longitude)
{
    const double hourAngle = SiderealTime(ut) - longitude - rightAscension;
    return ArcSinDeg(SinDeg(latitude) * SinDeg(declination) +
                     CosDeg(latitude) * CosDeg(declination) * CosDeg(hourAngle));
}

struct TPublishedPeak {
    const char* Name;
    int Year, Month, Day;  // the UT date the IMO calendar gives for the peak
    int Days;              // 2 where it names a night ("Aug 12/13") rather than a day
};

class PublishedPeaks : public testing::TestWithParam<TPublishedPeak> {};

TEST_P(PublishedPeaks, FallOnThePublishedDate)
{
    const TPublishedPeak& p = GetParam();
    const TDateTime peak = MeteorShowerPeak(Shower(p.Name), p.Year);
    const TDateTime day = GregorianDay(p.Year, p.Month, p.Day);
    EXPECT_GE(peak, day) << p.Name;
    EXPECT_LT(peak, day + p.Days) << p.Name;
}

INSTANTIATE_TEST_SUITE_P(
    Imo2026, PublishedPeaks,
    testing::Values(TPublishedPeak{"Quadrantids", 2026, 1, 3, 1}, TPublishedPeak{"Lyrids", 2026, 4, 22, 1},
                    TPublishedPeak{"Eta Aquariids", 2026, 5, 6, 1},
                    TPublishedPeak{"Southern Delta Aquariids", 2026, 7, 30, 2},
                    TPublishedPeak{"Perseids", 2026, 8, 12, 2}, TPublishedPeak{"Draconids", 2026, 10, 8, 2},
                    TPublishedPeak{"Orionids", 2026, 10, 21, 1}, TPublishedPeak{"Leonids", 2026, 11, 17, 1},
                    TPublishedPeak{"Geminids", 2026, 12, 14, 1}, TPublishedPeak{"Ursids", 2026, 12, 22, 1}));

// The IMO calendar for 2024 gives these hours (UT) with the dates.
TEST(MeteorShowerPeak, FallsWithinTheHourPublishedFor2024)
{
    struct TCase {
        const char* Name;
        int Month, Day;
        double FirstHour, LastHour;
    };
    const TCase cases[] = {{"Quadrantids", 1, 4, 9, 10}, {"Perseids", 8, 12, 13, 16}, {"Geminids", 12, 14, 1, 2}};
    for (const TCase& c : cases) {
        const TDateTime day = GregorianDay(2024, c.Month, c.Day);
        const TDateTime peak = MeteorShowerPeak(Shower(c.Name), 2024);
        EXPECT_GE(peak, day + c.FirstHour / 24) << c.Name;
        EXPECT_LE(peak, day + c.LastHour / 24) << c.Name;
    }
}

// Every peak of every year lies in its year, with the sun at the table's longitude.
TEST(MeteorShowerPeak, SunIsAtTheTablesLongitudeWithinTheYear)
{
    for (int year : {1, 1582, 1900, 1999, 2000, 2024, 2025, 2026, 2027, 2100, 4000, 9999}) {
        for (const TMeteorShower& shower : MeteorShowers) {
            const TDateTime peak = MeteorShowerPeak(shower, year);
            EXPECT_NEAR(AngleDifference(SunLongitudeJ2000(DynamicalFromUniversal(peak)), shower.SolarLongitude), 0,
                        0.0001)
                << shower.Name << " " << year;
            EXPECT_GE(peak, GregorianDay(year, 1, 1)) << shower.Name << " " << year;
            if (year < 9999) {
                EXPECT_LT(peak, GregorianDay(year + 1, 1, 1)) << shower.Name << " " << year;
            }
        }
    }
}

TEST(MeteorShowerPeak, RefusesYearsOutsideTheCalendar)
{
    for (int year : {0, -5, 10000})
        EXPECT_THROW(MeteorShowerPeak(MeteorShowers[0], year), EConvertError) << year;
}

// The equinox of J2000.0 falls behind the equinox of date by the general precession, 5029" a
// century (IAU), whose own growth adds about 1" in a century; the mean longitude of date has
// no nutation.
TEST(SunLongitudeJ2000, IsTheMeanLongitudeOfDateLessThePrecession)
{
    struct TCase {
        TDateTime Instant;
        double PrecessionDeg;
    };
    const TCase cases[] = {
        {J2000DateTime, 0},
        {J2000DateTime + DaysPerJulianCentury, 5029.1 / 3600},
        {J2000DateTime - DaysPerJulianCentury, -5029.1 / 3600},
        {J2000DateTime + 26.6 * DaysPerJulianYear, 0.266 * 5029.1 / 3600},
    };
    for (const TCase& c : cases) {
        const double meanOfDate = SunPosition(c.Instant).Longitude - Nutation(c.Instant).DeltaPsi;
        EXPECT_NEAR(AngleDifference(meanOfDate, SunLongitudeJ2000(c.Instant)), c.PrecessionDeg, 1.5 / 3600)
            << c.Instant;
    }
}

struct TPlace {
    const char* Name;
    double Latitude;
    double Longitude;  // west positive
};

const TPlace Places[] = {
    {"Berlin", 52.52, -13.40}, {"Boulder", 40.01, 105.27}, {"Dunedin", -45.87, -170.50},
    {"Quito", -0.18, 78.47},   {"Tromso", 69.65, -18.96},
};

// The darkest instant is the sun's lowest point of the night, found here by a search minute by
// minute; the radiant's altitude then follows the hour-angle formula.
TEST(MeteorShowerNight, DarkestInstantAndRadiantAltitudeAgreeWithIndependentWork)
{
    for (const TPlace& place : Places) {
        for (const TMeteorShower& shower : MeteorShowers) {
            const TDateTime peak = MeteorShowerPeak(shower, 2026);
            const TNight night = NightAround(peak, place.Longitude);
            const TMeteorNight seen =
                MeteorShowerNight(shower, night.Start, night.End, place.Latitude, place.Longitude);
            TDateTime lowest = night.Start;
            double lowestElevation = 90;
            for (TDateTime t = night.Start; t < night.End; t += 1.0 / MinutesPerDay) {
                const double elevation = SunHorizontal(t, place.Longitude, place.Latitude).Elevation;
                if (elevation < lowestElevation) {
                    lowestElevation = elevation;
                    lowest = t;
                }
            }
            // Near the solstices the sun's lowest point is flat over many minutes.
            EXPECT_NEAR(SunHorizontal(seen.Darkest, place.Longitude, place.Latitude).Elevation, lowestElevation, 0.02)
                << place.Name << " " << shower.Name;
            EXPECT_NEAR(seen.Darkest, lowest, 20.0 / MinutesPerDay) << place.Name << " " << shower.Name;
            EXPECT_NEAR(seen.RadiantAltitude,
                        AltitudeFromHourAngle(shower.RightAscension, shower.Declination, seen.Darkest, place.Latitude,
                                              place.Longitude),
                        1e-9)
                << place.Name << " " << shower.Name;
        }
    }
}

// From 45.9 S the Quadrantids' radiant at +49 never clears the horizon: it culminates at
// 90 - 45.9 - 49 = -4.9 degrees.
TEST(MeteorShowerNight, QuadrantidsStayBelowTheSouthernHorizon)
{
    const TPlace& dunedin = Places[2];
    const TMeteorShower& quadrantids = Shower("Quadrantids");
    const TNight night = NightAround(MeteorShowerPeak(quadrantids, 2026), dunedin.Longitude);
    const TMeteorNight seen =
        MeteorShowerNight(quadrantids, night.Start, night.End, dunedin.Latitude, dunedin.Longitude);
    EXPECT_LT(seen.RadiantAltitude, 0);
    for (TDateTime t = night.Start; t < night.End; t += 10.0 / MinutesPerDay)
        EXPECT_LT(AltitudeFromHourAngle(quadrantids.RightAscension, quadrantids.Declination, t, dunedin.Latitude,
                                        dunedin.Longitude),
                  -4.5);
}

// The total solar eclipse of 12 August 2026 is a new moon on the Perseids' night; the full
// moon of 15 December 2024 (09:02 UT) lit the Geminids of 2024.
TEST(MeteorShowerNight, MoonsLitShareAtKnownPhases)
{
    const TPlace& berlin = Places[0];
    struct TCase {
        const char* Name;
        int Year;
        double Lowest, Highest;
    };
    const TCase cases[] = {{"Perseids", 2026, 0, 0.02}, {"Geminids", 2024, 0.93, 1}};
    for (const TCase& c : cases) {
        const TMeteorShower& shower = Shower(c.Name);
        const TNight night = NightAround(MeteorShowerPeak(shower, c.Year), berlin.Longitude);
        const TMeteorNight seen = MeteorShowerNight(shower, night.Start, night.End, berlin.Latitude, berlin.Longitude);
        EXPECT_GE(seen.MoonIlluminatedFraction, c.Lowest) << c.Name;
        EXPECT_LE(seen.MoonIlluminatedFraction, c.Highest) << c.Name;
    }
}

TEST(MeteorShowerNight, DarkestInstantStaysWithinTheNight)
{
    // Half a night: the lower culmination lies beyond it.
    const TNight night = NightAround(MeteorShowerPeak(Shower("Perseids"), 2026), 0);
    const TMeteorNight seen = MeteorShowerNight(MeteorShowers[0], night.Start, night.Start + 0.25, 51.5, 0);
    EXPECT_GE(seen.Darkest, night.Start);
    EXPECT_LE(seen.Darkest, night.Start + 0.25);
}

TEST(MeteorShowerNight, RefusesNightsAndPlacesOutsideTheRange)
{
    const TMeteorShower& shower = MeteorShowers[0];
    EXPECT_THROW(MeteorShowerNight(shower, 46000.5, 46000, 50, 0), E_OutOfAlgorithmRange);
    EXPECT_THROW(MeteorShowerNight(shower, 46000, 46001, 91, 0), E_OutOfAlgorithmRange);
    EXPECT_THROW(MeteorShowerNight(shower, 46000, 46001, NAN, 0), E_OutOfAlgorithmRange);
    EXPECT_THROW(MeteorShowerNight(shower, 46000, 46001, 50, NAN), E_OutOfAlgorithmRange);
    EXPECT_THROW(MeteorShowerNight(shower, NAN, 46001, 50, 0), E_OutOfAlgorithmRange);
}

}  // namespace
}  // namespace astro
