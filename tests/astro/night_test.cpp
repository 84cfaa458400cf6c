// The night's dark windows and the core's times against a search that knows nothing of the
// method: the altitudes of the sun, the moon and the core from their full positions at every
// instant, scanned each minute and bisected to a second.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <ostream>
#include <vector>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/constants.h"
#include "astro/errors.h"
#include "astro/galacticcentre.h"
#include "astro/moon_position.h"
#include "astro/night.h"
#include "astro/riseset.h"
#include "astro/sidereal.h"
#include "astro/sun.h"
#include "astro/transforms.h"

namespace astro {
namespace {

constexpr double Second = 1.0 / SecondsPerDay;
constexpr double Minute = 1.0 / MinutesPerDay;

struct TPlace {
    double Latitude;
    double Longitude;  // west positive
};

// The core's altitude and azimuth (from north through east) at t, from its apparent place of
// that instant, by the spherical triangle written out here rather than the library's.
struct TCoreSky {
    double Altitude;
    double Azimuth;
};

TCoreSky CoreSky(TDateTime t, const TPlace& p)
{
    const TEquatorialPlace core = GalacticCentrePosition(t);
    const double H = SiderealTime(t) - p.Longitude - core.RightAscension;
    const double d = core.Declination;
    const double phi = p.Latitude;
    const double altitude = ArcSinDeg(SinDeg(phi) * SinDeg(d) + CosDeg(phi) * CosDeg(d) * CosDeg(H));
    const double north = SinDeg(d) * CosDeg(phi) - CosDeg(d) * SinDeg(phi) * CosDeg(H);
    const double east = -CosDeg(d) * SinDeg(H);
    return {altitude, Normalize360(ArcTan2Deg(east, north))};
}

bool SunDown(TDateTime t, const TPlace& p) { return SunHorizontal(t, p.Longitude, p.Latitude).Elevation < -18.0; }

bool MoonDown(TDateTime t, const TPlace& p)
{
    TSkyPosition moon = MoonPosition(t);
    EquatorialToHorizontal(moon, t, p.Longitude, p.Latitude);
    TSkyPosition seen = MoonPosition(t);
    TopocentricCorrection(seen, t, p.Latitude, p.Longitude, 0.0);
    return moon.Elevation < 0.7275 * seen.Parallax - 34.0 / 60.0;
}

struct TSpan {
    TDateTime Start;
    TDateTime End;
};

// The spans of [start, end) where `holds` is true: a scan every minute, each change bisected
// to a second.
std::vector<TSpan> Spans(TDateTime start, TDateTime end, const std::function<bool(TDateTime)>& holds)
{
    const auto edge = [&](TDateTime a, TDateTime b) {
        const bool atA = holds(a);
        while (b - a > Second) {
            const TDateTime m = (a + b) / 2;
            (holds(m) == atA ? a : b) = m;
        }
        return (a + b) / 2;
    };
    std::vector<TSpan> spans;
    bool inside = holds(start);
    TDateTime from = start;
    for (TDateTime t = start; t < end;) {
        const TDateTime next = std::min(t + Minute, end);
        const bool now = next < end ? holds(next) : inside;
        if (now != inside) {
            const TDateTime change = edge(t, next);
            if (inside)
                spans.push_back({from, change});
            else
                from = change;
            inside = now;
        }
        t = next;
    }
    if (inside)
        spans.push_back({from, end});
    return spans;
}

struct TNightCase {
    const char* Name;
    TPlace Place;
    int Year, Month, Day;
    TNightDarkness Darkness;
    bool FaintMoonCountsAsDown = false;
};

std::ostream& operator<<(std::ostream& out, const TNightCase& c) { return out << c.Name; }

// The night from local mean noon of the date to the next.
TDateTime NightStart(const TNightCase& c)
{
    return CalendarToDateTime(c.Year, c.Month, c.Day) + 0.5 + c.Place.Longitude / 360.0;
}

// Worst disagreement seen per latitude, printed for the record.
double Worst = 0.0;

void ExpectSameInstant(TDateTime found, TDateTime reference, const char* what, std::size_t i)
{
    Worst = std::max(Worst, std::fabs(found - reference) * SecondsPerDay);
    EXPECT_NEAR(found, reference, Minute) << what << " " << i << ": " << (found - reference) * SecondsPerDay << " s";
}

class NightAgainstScan : public ::testing::TestWithParam<TNightCase> {};

TEST_P(NightAgainstScan, WindowsAndCoreAgree)
{
    const TNightCase& c = GetParam();
    const TPlace p = c.Place;
    const TDateTime start = NightStart(c);
    const TDateTime end = start + 1.0;
    TNightOptions options;
    options.FaintMoonCountsAsDown = c.FaintMoonCountsAsDown;
    const TNight night = NightBetween(start, end, p.Latitude, p.Longitude, options);
    Worst = 0.0;

    const bool ignoreMoon = c.FaintMoonCountsAsDown && night.MoonIlluminatedFraction < 0.1;
    const std::vector<TSpan> dark =
        Spans(start, end, [&](TDateTime t) { return SunDown(t, p) && (ignoreMoon || MoonDown(t, p)); });
    EXPECT_EQ(static_cast<int>(night.Darkness), static_cast<int>(c.Darkness));
    ASSERT_EQ(night.Windows.size(), dark.size());
    if (dark.empty())
        return;

    for (std::size_t i = 0; i < dark.size(); ++i) {
        const TDarkWindow& w = night.Windows[i];
        ExpectSameInstant(w.Start, dark[i].Start, "dark start", i);
        ExpectSameInstant(w.End, dark[i].End, "dark end", i);

        // The core inside the library's own window, so that the window's edges do not count twice.
        const std::vector<TSpan> high =
            Spans(w.Start, w.End, [&](TDateTime t) { return CoreSky(t, p).Altitude >= DefaultCoreAltitude; });
        ASSERT_EQ(w.Core.size(), high.size()) << "window " << i;
        for (std::size_t k = 0; k < high.size(); ++k) {
            const TCoreSpan& core = w.Core[k];
            ExpectSameInstant(core.Start.Time, high[k].Start, "core start", k);
            ExpectSameInstant(core.End.Time, high[k].End, "core end", k);
            // The highest instant of the span, closed in on by golden sections (the
            // altitude has one maximum in a span shorter than a day).
            TDateTime a = high[k].Start, b = high[k].End;
            while (b - a > Second) {
                const TDateTime m1 = b - (b - a) * 0.618, m2 = a + (b - a) * 0.618;
                if (CoreSky(m1, p).Altitude < CoreSky(m2, p).Altitude)
                    a = m1;
                else
                    b = m2;
            }
            ExpectSameInstant(core.Highest.Time, (a + b) / 2, "core highest", k);
            for (const TCoreSight* sight : {&core.Start, &core.Highest, &core.End}) {
                const TCoreSky sky = CoreSky(sight->Time, p);
                EXPECT_NEAR(sight->Altitude, sky.Altitude, 0.01);
                EXPECT_NEAR(std::remainder(sight->Azimuth - sky.Azimuth, 360.0), 0.0, 0.02);
            }
            // An edge inside the window lies on the limit; one at the window's edge above it.
            for (const TCoreSight* edge : {&core.Start, &core.End}) {
                if (edge->Time > w.Start && edge->Time < w.End)
                    EXPECT_NEAR(edge->Altitude, DefaultCoreAltitude, 0.01);
                else
                    EXPECT_GE(edge->Altitude, DefaultCoreAltitude - 0.01);
            }
        }
    }
    std::printf("[ worst    ] %s: %.1f s\n", c.Name, Worst);
}

// Longitudes west positive; moon phases of 2024: new 6 June, 30 December; full 22 June,
// 25 March, 15 December.
const TNightCase Nights[] = {
    {"equator, new moon in June", {0.0, -36.8}, 2024, 6, 6, ndDark},
    {"equator, full moon in June", {0.0, -36.8}, 2024, 6, 21, ndMoonUpAllNight},
    {"equator, full moon in March", {0.0, 78.5}, 2024, 3, 25, ndMoonUpAllNight},
    {"35 S, new moon in midwinter", {-35.0, -149.1}, 2024, 6, 6, ndDark},
    {"35 S, full moon in midwinter", {-35.0, -149.1}, 2024, 6, 22, ndMoonUpAllNight},
    {"35 S, midsummer, new moon", {-35.0, 70.6}, 2024, 12, 30, ndDark},
    {"35 S, midsummer, moon rising late", {-35.0, 70.6}, 2024, 12, 19, ndDark},
    {"52 N, white night in June", {52.0, -13.4}, 2024, 6, 21, ndSunAboveAllNight},
    {"52 N, new moon in winter", {52.0, -13.4}, 2024, 12, 30, ndDark},
    {"52 N, full moon in winter", {52.0, -13.4}, 2024, 12, 15, ndMoonUpAllNight},
    {"52 N, half moon in spring", {52.0, 0.1}, 2024, 4, 14, ndDark},
    {"64 N, white night in June", {64.0, 21.9}, 2024, 6, 21, ndSunAboveAllNight},
    {"64 N, new moon in midwinter", {64.0, 21.9}, 2024, 12, 30, ndDark},
    {"64 N, full moon in midwinter", {64.0, 21.9}, 2024, 12, 15, ndMoonUpAllNight},
    {"64 N, crescent counted as down", {64.0, 21.9}, 2024, 12, 28, ndDark, true},
    {"35 S, crescent counted as down", {-35.0, -149.1}, 2024, 6, 4, ndDark, true},
};

INSTANTIATE_TEST_SUITE_P(Latitudes, NightAgainstScan, ::testing::ValuesIn(Nights));

// On the meridian the core stands 90 - |latitude - declination| high, due south of a place
// north of it and due north of one south of it.
TEST(NightCore, CulminatesOnTheMeridian)
{
    const struct {
        TPlace Place;
        int Month, Day;
        double Azimuth;
    } places[] = {{{0.0, -36.8}, 6, 6, 180.0},
                  {{-35.0, -149.1}, 6, 6, 0.0},
                  {{-35.0, -149.1}, 7, 10, 0.0},
                  {{20.0, 100.0}, 6, 6, 180.0}};
    for (const auto& c : places) {
        const TDateTime start = CalendarToDateTime(2024, c.Month, c.Day) + 0.5 + c.Place.Longitude / 360.0;
        const TNight night = NightBetween(start, start + 1.0, c.Place.Latitude, c.Place.Longitude);
        ASSERT_FALSE(night.Windows.empty());
        bool culminated = false;
        for (const TDarkWindow& w : night.Windows) {
            for (const TCoreSpan& span : w.Core) {
                if (span.Highest.Time == span.Start.Time || span.Highest.Time == span.End.Time)
                    continue;
                culminated = true;
                const double declination = GalacticCentrePosition(span.Highest.Time).Declination;
                EXPECT_NEAR(span.Highest.Altitude, 90.0 - std::fabs(c.Place.Latitude - declination), 0.001);
                EXPECT_NEAR(std::remainder(span.Highest.Azimuth - c.Azimuth, 360.0), 0.0, 0.05);
            }
        }
        EXPECT_TRUE(culminated) << c.Place.Latitude << " " << c.Month;
    }
}

// The core never rises 10 degrees above 52 N (it culminates at 9 degrees there), and from a
// raised limit fewer of its hours count.
TEST(NightCore, TheAltitudeLimitDecides)
{
    const TDateTime winter = CalendarToDateTime(2024, 12, 30) + 0.5 - 13.4 / 360.0;
    for (const TDarkWindow& w : NightBetween(winter, winter + 1, 52.0, -13.4).Windows)
        EXPECT_TRUE(w.Core.empty());
    const TDateTime june = CalendarToDateTime(2024, 6, 6) + 0.5 + 149.1 / 360.0;
    double previous = 1.0;
    for (const double lowest : {30.0, 60.0, 80.0}) {
        TNightOptions options;
        options.CoreAltitude = lowest;
        double hours = 0;
        for (const TDarkWindow& w : NightBetween(june, june + 1, -35.0, 149.1, options).Windows)
            for (const TCoreSpan& s : w.Core)
                hours += s.End.Time - s.Start.Time;
        EXPECT_LT(hours, previous) << lowest;
        EXPECT_GT(hours, 0.0) << lowest;
        previous = hours;
    }
    TNightOptions beyond;
    beyond.CoreAltitude = 85.0;
    for (const TDarkWindow& w : NightBetween(june, june + 1, -35.0, 149.1, beyond).Windows)
        EXPECT_TRUE(w.Core.empty());
}

// The faint moon counts as down only below its share: a full moon stays up whatever is asked.
TEST(NightMoon, AFullMoonIsNeverCountedDown)
{
    const TDateTime start = CalendarToDateTime(2024, 12, 15) + 0.5 - 13.4 / 360.0;
    TNightOptions options;
    options.FaintMoonCountsAsDown = true;
    options.FaintMoonPercent = 99.0;
    const TNight night = NightBetween(start, start + 1, 52.0, -13.4, options);
    EXPECT_GT(night.MoonIlluminatedFraction, 0.99);
    EXPECT_EQ(night.Darkness, ndMoonUpAllNight);
    options.FaintMoonPercent = 100.0;
    EXPECT_EQ(NightBetween(start, start + 1, 52.0, -13.4, options).Darkness, ndDark);
}

TEST(NightBetween, RefusesWhatItCannotCompute)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const TDateTime day = CalendarToDateTime(2024, 1, 1);
    TNightOptions percent;
    percent.FaintMoonPercent = 101.0;
    TNightOptions altitude;
    altitude.CoreAltitude = nan;
    const struct {
        TDateTime Start, End;
        double Latitude, Longitude;
        TNightOptions Options;
    } refused[] = {
        {nan, day, 0, 0, {}},          {day, day, 0, 0, {}},           {day + 1, day, 0, 0, {}},
        {day, day + 2.5, 0, 0, {}},    {day, day + 1, 91, 0, {}},      {day, day + 1, 0, nan, {}},
        {day, day + 1, 0, 0, percent}, {day, day + 1, 0, 0, altitude},
    };
    for (const auto& r : refused)
        EXPECT_THROW(NightBetween(r.Start, r.End, r.Latitude, r.Longitude, r.Options), E_OutOfAlgorithmRange);
}

}  // namespace
}  // namespace astro
