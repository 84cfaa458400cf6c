// Rise, set and the sun's altitude crossings against a search that knows nothing of the
// method: the altitude of the body by the library's own positions, scanned in fine steps and
// bisected.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "astro/calendar.h"
#include "astro/constants.h"
#include "astro/errors.h"
#include "astro/moon_position.h"
#include "astro/riseset.h"
#include "astro/sun.h"
#include "astro/transforms.h"

namespace astro {
namespace {

constexpr double Second = 1.0 / SecondsPerDay;
constexpr double Minute = 1.0 / MinutesPerDay;
constexpr double ScanStep = 5 * Minute;

// A dip below or a peak above the altitude shorter than ScanStep falls between two samples of
// the reference: a crossing found there is accepted when the body is no further than this
// from the altitude (degrees); such a turn spans a few thousandths of a degree.
constexpr double GrazingAltitude = 0.005;

using TAltitude = std::function<double(TDateTime)>;

TAltitude SunAltitude(double latitude, double longitude)
{
    return [=](TDateTime t) { return SunHorizontal(t, longitude, latitude).Elevation; };
}

TAltitude MoonAltitude(double latitude, double longitude)
{
    return [=](TDateTime t) {
        TSkyPosition moon = MoonPosition(t);
        EquatorialToHorizontal(moon, t, longitude, latitude);
        return moon.Elevation;
    };
}

// The moon's standard altitude: 0.7275 of its parallax at 0h less 34' of refraction.
double MoonLevel(TDateTime day, double latitude, double longitude)
{
    TSkyPosition moon = MoonPosition(day);
    TopocentricCorrection(moon, day, latitude, longitude, 0.0);
    return 0.7275 * moon.Parallax - 34.0 / 60.0;
}

// The altitude sampled every ScanStep from a quarter day before the day to a quarter day
// after it, so that crossings just across midnight are seen too.
struct TScan {
    TAltitude Altitude;
    std::vector<TDateTime> Times;
    std::vector<double> Altitudes;
};

TScan Scan(const TAltitude& altitude, TDateTime day)
{
    TScan scan{altitude, {}, {}};
    for (TDateTime t = day - 0.25; t <= day + 1.25; t += ScanStep) {
        scan.Times.push_back(t);
        scan.Altitudes.push_back(altitude(t));
    }
    return scan;
}

struct TCrossings {
    std::vector<TDateTime> Up;
    std::vector<TDateTime> Down;
};

TCrossings Crossings(const TScan& scan, double level)
{
    TCrossings found;
    for (std::size_t i = 0; i + 1 < scan.Times.size(); ++i) {
        const bool belowBefore = scan.Altitudes[i] < level;
        if (belowBefore == (scan.Altitudes[i + 1] < level))
            continue;
        TDateTime a = scan.Times[i];
        TDateTime b = scan.Times[i + 1];
        while (b - a > 0.01 * Second) {
            const TDateTime c = (a + b) / 2;
            if ((scan.Altitude(c) < level) == belowBefore)
                a = c;
            else
                b = c;
        }
        (belowBefore ? found.Up : found.Down).push_back((a + b) / 2);
    }
    return found;
}

// True when the reference crossing at t has a crossing the other way within an hour and the
// body gets no further than GrazingAltitude beyond level between them (the search may see the
// pair as a turn that stays short of the altitude).
bool Grazes(const TScan& scan, double level, TDateTime t, const std::vector<TDateTime>& other)
{
    for (const TDateTime o : other) {
        if (std::fabs(o - t) > 60 * Minute)
            continue;
        double furthest = 0.0;
        for (TDateTime u = std::min(o, t); u < std::max(o, t); u += Minute / 4)
            furthest = std::max(furthest, std::fabs(scan.Altitude(u) - level));
        if (furthest <= GrazingAltitude)
            return true;
    }
    return false;
}

struct TTally {
    double Worst = 0.0;
    int Compared = 0;
    int Grazing = 0;
};

// Checks what a search found for the day (nothing, an instant on the day or beside it)
// against the reference crossings of the same direction.
void CheckDay(const std::optional<TDateTime>& found, bool up, TDateTime day, const TScan& scan, double level,
              double tolerance, TTally& tally, const std::string& what)
{
    const TCrossings reference = Crossings(scan, level);
    const auto& same = up ? reference.Up : reference.Down;
    const auto& other = up ? reference.Down : reference.Up;
    auto nearest = [&](TDateTime t) {
        double best = 1e9;
        for (const TDateTime r : same)
            best = std::min(best, std::fabs(r - t));
        return best;
    };
    if (found && *found >= day && *found < day + 1) {
        const double error = nearest(*found);
        if (error <= tolerance) {
            tally.Worst = std::max(tally.Worst, error);
            ++tally.Compared;
        } else if (std::fabs(scan.Altitude(*found) - level) <= GrazingAltitude) {
            ++tally.Grazing;
        } else {
            ADD_FAILURE() << what << ": found " << (*found - day) * 24 << " h, nearest true "
                          << "crossing " << error / Minute << " min away";
        }
        return;
    }
    for (const TDateTime r : same) {
        if (r < day || r >= day + 1)
            continue;
        if (found && std::fabs(*found - r) <= tolerance)
            continue;  // the same instant, read just across midnight
        if (Grazes(scan, level, r, other)) {
            ++tally.Grazing;
            continue;
        }
        ADD_FAILURE() << what << ": missed the crossing at " << (r - day) * 24 << " h";
    }
}

std::optional<TDateTime> Found(const std::function<TDateTime()>& search)
{
    try {
        return search();
    } catch (const E_NoRiseSet&) {
        return std::nullopt;
    }
}

struct TPlace {
    const char* Name;
    double Latitude;
    double Longitude;
};

// Longitudes spread so that the events fall at different times of the UT day.
const TPlace Places[] = {
    {"Equator", 0.0, -30.0},     {"Berlin52N", 52.0, -13.4},  {"Reykjavik64N", 64.0, 21.9}, {"Alta69N", 69.0, -23.3},
    {"Ushuaia55S", -55.0, 68.3}, {"Kiruna68N", 67.85, -20.2}, {"Casey66S", -66.3, -110.5},
};

// A month of the major lunar standstill: the moon's declination reaches +-28 degrees, so at
// 64 and 69 degrees it stays up or down for days and grazes its altitude on the days between.
TDateTime MonthStart() { return CalendarToDateTime(2025, 1, 1); }

std::string Describe(const char* body, const char* event, const TPlace& place, TDateTime day)
{
    const TCalendarDate date = DateTimeToCalendar(day);
    return std::string(body) + " " + event + " at " + place.Name + " on " + std::to_string(date.Year) + "-" +
           std::to_string(date.Month) + "-" + std::to_string(date.Day);
}

void PrintTo(const TPlace& place, std::ostream* os) { *os << place.Name; }

class RiseSetReference : public testing::TestWithParam<TPlace> {};

TEST_P(RiseSetReference, MoonRiseAndSetMatchTheSky)
{
    const TPlace& p = GetParam();
    const double tolerance = 5 * Second;
    TTally tally;
    for (TDateTime day = MonthStart(); day < MonthStart() + 31; day += 1) {
        const TScan scan = Scan(MoonAltitude(p.Latitude, p.Longitude), day);
        const double level = MoonLevel(day, p.Latitude, p.Longitude);
        for (const bool up : {true, false}) {
            const auto found = Found([&] { return (up ? MoonRiseTime : MoonSetTime)(day, p.Latitude, p.Longitude); });
            CheckDay(found, up, day, scan, level, tolerance, tally, Describe("moon", up ? "rise" : "set", p, day));
        }
    }
    std::printf("moon at %s: %d events, worst error %.2f s, %d grazing\n", p.Name, tally.Compared, tally.Worst / Second,
                tally.Grazing);
    EXPECT_GT(tally.Compared, 25);  // at 69 N the moon stays up or down for days
    EXPECT_EQ(tally.Grazing, 0);
}

// The sun's rise and set and its crossings of the twilight and golden-hour altitudes, over a
// month and, where the sun's height varies most over the year, around both solstices.
TEST_P(RiseSetReference, SunCrossingsMatchTheSky)
{
    const TPlace& p = GetParam();
    std::vector<TDateTime> days;
    for (TDateTime day = MonthStart(); day < MonthStart() + 31; day += 1)
        days.push_back(day);
    if (std::fabs(p.Latitude) > 60.0) {
        for (const TDateTime first : {CalendarToDateTime(2025, 6, 1), CalendarToDateTime(2025, 12, 1)})
            for (TDateTime day = first; day < first + 30; day += 1)
                days.push_back(day);
    }
    const double tolerance = 5 * Second;
    TTally tally;
    for (const TDateTime day : days) {
        const TScan scan = Scan(SunAltitude(p.Latitude, p.Longitude), day);
        for (const bool up : {true, false}) {
            const TRiseSetEvent event = up ? rsRise : rsSet;
            const auto found = Found([&] { return RiseTransitSet(true, event, day, p.Latitude, p.Longitude); });
            CheckDay(found, up, day, scan, SunRiseSetAltitude, tolerance, tally,
                     Describe("sun", up ? "rise" : "set", p, day));
            for (const double altitude : {-18.0, -12.0, -6.0, -4.0, 6.0}) {
                const auto crossing =
                    Found([&] { return SunAltitudeTime(event, day, altitude, p.Latitude, p.Longitude); });
                CheckDay(crossing, up, day, scan, altitude, tolerance, tally,
                         Describe("sun", up ? "up" : "down", p, day) + " at " + std::to_string(altitude));
            }
        }
    }
    std::printf("sun at %s: %d crossings, worst error %.2f s, %d grazing\n", p.Name, tally.Compared,
                tally.Worst / Second, tally.Grazing);
    EXPECT_GT(tally.Compared, 100);
    EXPECT_EQ(tally.Grazing, 0);
}

INSTANTIATE_TEST_SUITE_P(Places, RiseSetReference, testing::ValuesIn(Places),
                         [](const testing::TestParamInfo<TPlace>& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace astro
