// The light of a place's own day against an ephemeris and a zone database that share no code
// with ours: libnova's solar and lunar theories, with each crossing narrowed on them by bisection,
// and the C library's reading of the zone files. The day is [local 00:00, next local 00:00) in
// universal time, so zones from UTC-11 to UTC+14, the days the clocks change and the polar
// edges all move events across UT days differently.

#include "almanac/placezone.h"
#include "astro/calendar.h"
#include "astro/dayinterval.h"
#include "astro/daylight.h"

#include <libnova/julian_day.h>
#include <libnova/lunar.h>
#include <libnova/precession.h>
#include <libnova/solar.h>
#include <libnova/transform.h>

#include "tests/glibc_zone.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr double Minute = 1.0 / 1440;
constexpr double Second = 1.0 / 86400;
constexpr double UnixEpochDay = 25569;  // 1970-01-01 on the linear scale
constexpr double JulianOffset = 2415018.5;

// A rising or setting the program places more than this far from the reference is a fault.
constexpr double SunTolerance = 1 * Minute;
constexpr double MoonTolerance = 2 * Minute;
// Where the body crosses the horizon at a slant, a few hundredths of a degree between the two
// theories move the instant by many minutes; the limit grows by the time the body takes to
// climb this much at the crossing.
constexpr double AltitudeSlack = 0.02;

// Horizons of the centre with the standard refraction folded in (Meeus, chapter 15); the
// moon's also holds its parallax of the instant.
constexpr double SunHorizon = -0.8333;
constexpr double CivilHorizon = -6.0;
constexpr double EarthRadiusKm = 6378.14;

// Where the body's highest or lowest point of the day lies this close to the horizon, the two
// ephemerides may honestly disagree whether it crosses at all.
constexpr double SunGrazingMargin = 0.05;
constexpr double MoonGrazingMargin = 0.10;

struct TDate {
    int Year, Month, Day;
};

struct TPlace {
    const char* Name;
    double Latitude;   // north positive
    double Longitude;  // east positive, as maps give it
    const char* Zone;
    std::vector<int> OffsetsMinutes;  // every offset the zone keeps in 2027
    std::vector<TDate> Days;
};

const std::vector<TPlace>& Places()
{
    static const std::vector<TPlace> places = {
        {"Pago Pago",
         -14.28,
         -170.70,
         "Pacific/Pago_Pago",
         {-660},
         {{2027, 1, 15}, {2027, 3, 8}, {2027, 6, 21}, {2027, 9, 30}, {2027, 12, 22}}},
        {"Honolulu",
         21.31,
         -157.86,
         "Pacific/Honolulu",
         {-600},
         {{2027, 2, 3}, {2027, 3, 20}, {2027, 7, 19}, {2027, 9, 10}, {2027, 12, 31}}},
        {"New York",
         40.71,
         -74.01,
         "America/New_York",
         {-300, -240},
         {{2027, 1, 1}, {2027, 3, 14}, {2027, 6, 21}, {2027, 8, 17}, {2027, 11, 7}}},
        {"Kathmandu",
         27.72,
         85.32,
         "Asia/Kathmandu",
         {345},
         {{2027, 2, 10}, {2027, 4, 25}, {2027, 7, 4}, {2027, 10, 20}}},
        {"Adelaide",
         -34.93,
         138.60,
         "Australia/Adelaide",
         {570, 630},
         {{2027, 1, 26}, {2027, 4, 4}, {2027, 7, 15}, {2027, 10, 3}, {2027, 12, 9}}},
        {"Chatham",
         -43.95,
         -176.56,
         "Pacific/Chatham",
         {765, 825},
         {{2027, 4, 4}, {2027, 6, 1}, {2027, 9, 26}, {2027, 11, 14}, {2027, 12, 25}}},
        {"Nuku'alofa",
         -21.14,
         -175.20,
         "Pacific/Tongatapu",
         {780},
         {{2027, 1, 1}, {2027, 5, 15}, {2027, 8, 26}, {2027, 11, 11}}},
        {"Kiritimati",
         1.87,
         -157.43,
         "Pacific/Kiritimati",
         {840},
         {{2027, 1, 1}, {2027, 4, 12}, {2027, 8, 8}, {2027, 12, 31}}},
        {"Sydney",
         -33.87,
         151.21,
         "Australia/Sydney",
         {600, 660},
         {{2027, 2, 14}, {2027, 4, 4}, {2027, 6, 21}, {2027, 10, 3}}},
        {"Berlin",
         52.52,
         13.40,
         "Europe/Berlin",
         {60, 120},
         {{2027, 3, 28}, {2027, 5, 5}, {2027, 6, 21}, {2027, 10, 31}, {2027, 12, 21}}},
        // Polar night ends mid-January and starts late November; the midnight sun runs from
        // late May to late July.
        {"Tromso",
         69.65,
         18.96,
         "Europe/Oslo",
         {60, 120},
         {{2027, 1, 13}, {2027, 1, 14},  {2027, 1, 15},  {2027, 1, 16},  {2027, 1, 17},  {2027, 3, 28}, {2027, 5, 18},
          {2027, 5, 19}, {2027, 5, 20},  {2027, 5, 21},  {2027, 5, 22},  {2027, 7, 21},  {2027, 7, 22}, {2027, 7, 23},
          {2027, 7, 24}, {2027, 10, 31}, {2027, 11, 25}, {2027, 11, 26}, {2027, 11, 27}, {2027, 11, 28}}},
        {"Longyearbyen",
         78.22,
         15.65,
         "Arctic/Longyearbyen",
         {60, 120},
         {{2027, 2, 14},
          {2027, 2, 15},
          {2027, 2, 16},
          {2027, 2, 17},
          {2027, 3, 28},
          {2027, 4, 17},
          {2027, 4, 18},
          {2027, 4, 19},
          {2027, 4, 20},
          {2027, 4, 21},
          {2027, 8, 22},
          {2027, 8, 23},
          {2027, 8, 24},
          {2027, 8, 25},
          {2027, 10, 24},
          {2027, 10, 25},
          {2027, 10, 26},
          {2027, 10, 27},
          {2027, 10, 31}}},
    };
    return places;
}

std::string UtText(double ut)
{
    const auto t = static_cast<std::time_t>(std::llround((ut - UnixEpochDay) * 86400));
    std::tm tm{};
    gmtime_r(&t, &tm);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S UT", &tm);
    return text;
}

std::string DateText(const TDate& date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.Year, date.Month, date.Day);
    return text;
}

bool IsDate(const std::tm& tm, const TDate& date)
{
    return tm.tm_year + 1900 == date.Year && tm.tm_mon + 1 == date.Month && tm.tm_mday == date.Day;
}

enum class TBody { Sun, Civil, Moon };

const char* BodyName(TBody body)
{
    switch (body) {
    case TBody::Sun: return "sun";
    case TBody::Civil: return "civil twilight";
    case TBody::Moon: return "moon";
    }
    return "";
}

double MoonHorizon(double jd)
{
    const double parallax = std::asin(EarthRadiusKm / ln_get_lunar_earth_dist(jd)) * 180 / M_PI;
    return 0.7275 * parallax - 0.5667;
}

double Tolerance(TBody body) { return body == TBody::Moon ? MoonTolerance : SunTolerance; }

double GrazingMargin(TBody body) { return body == TBody::Moon ? MoonGrazingMargin : SunGrazingMargin; }

// libnova's geocentric altitude of the sun's or the moon's centre above its rise-set horizon
// for one observer. libnova gives the positions on the equator and equinox of J2000, which
// puts every crossing about 90 s early in 2027; its own precession brings them to the equinox
// of date that the sidereal time needs. Its lunar theory takes about 5 ms a position and a
// day's scan asks for hundreds, so the positions are taken every two hours and interpolated
// by cubics between them, which follow the moon to far under a thousandth of a degree.
class TReferenceSky {
public:
    explicit TReferenceSky(ln_lnlat_posn observer)
        : FObserver(observer)
    {}

    double AltitudeAboveHorizon(TBody body, double ut)
    {
        const bool moon = body == TBody::Moon;
        const double x = ut / NodeStep;
        const auto first = static_cast<long long>(std::floor(x)) - 1;
        const double u = x - static_cast<double>(first);  // in (1, 2]
        std::array<TNode, 4> nodes;
        for (int i = 0; i < 4; ++i)
            nodes[i] = Node(moon, first + i);
        auto cubic = [u](std::array<double, 4> y) {
            return -y[0] * (u - 1) * (u - 2) * (u - 3) / 6 + y[1] * u * (u - 2) * (u - 3) / 2 -
                   y[2] * u * (u - 1) * (u - 3) / 2 + y[3] * u * (u - 1) * (u - 2) / 6;
        };
        std::array<double, 4> ra{}, dec{}, horizon{};
        for (int i = 0; i < 4; ++i) {
            // Continuous across 0/360 from the first node on.
            ra[i] = nodes[0].RightAscension + std::remainder(nodes[i].RightAscension - nodes[0].RightAscension, 360.0);
            dec[i] = nodes[i].Declination;
            horizon[i] = moon ? nodes[i].Horizon : Horizon(body);
        }
        ln_equ_posn ofDate{cubic(ra), cubic(dec)};
        ln_hrz_posn hrz{};
        ln_get_hrz_from_equ(&ofDate, &FObserver, ut + JulianOffset, &hrz);
        return hrz.alt - cubic(horizon);
    }

private:
    static constexpr double NodeStep = 2.0 / 24;

    struct TNode {
        double RightAscension, Declination, Horizon;
    };

    static double Horizon(TBody body) { return body == TBody::Civil ? CivilHorizon : SunHorizon; }

    const TNode& Node(bool moon, long long index)
    {
        const auto known = FNodes.find({moon, index});
        if (known != FNodes.end())
            return known->second;
        const double jd = static_cast<double>(index) * NodeStep + JulianOffset;
        ln_equ_posn j2000{};
        if (moon)
            ln_get_lunar_equ_coords(jd, &j2000);
        else
            ln_get_solar_equ_coords(jd, &j2000);
        ln_equ_posn ofDate{};
        ln_get_equ_prec(&j2000, jd, &ofDate);
        const double horizon = moon ? MoonHorizon(jd) : 0.0;
        return FNodes[{moon, index}] = {ofDate.ra, ofDate.dec, horizon};
    }

    ln_lnlat_posn FObserver;
    std::map<std::pair<bool, long long>, TNode> FNodes;
};

// How close the body's turning points around the day come to its horizon: a small value
// means it only grazes, so whether it crosses is down to hundredths of a degree.
double ClosestTurn(TBody body, double from, double to, TReferenceSky& sky)
{
    const double step = 4 * Minute;
    double closest = 1e9;
    double before = sky.AltitudeAboveHorizon(body, from - step);
    double here = sky.AltitudeAboveHorizon(body, from);
    for (double t = from; t <= to; t += step) {
        const double after = sky.AltitudeAboveHorizon(body, t + step);
        if ((here >= before && here >= after) || (here <= before && here <= after))
            closest = std::min(closest, std::fabs(here));
        before = here;
        here = after;
    }
    return closest;
}

// Narrows a sign change of the altitude in [lo, hi] to half a second.
double Bisect(TBody body, double lo, double hi, TReferenceSky& sky)
{
    const bool loBelow = sky.AltitudeAboveHorizon(body, lo) < 0;
    while (hi - lo > 0.5 * Second) {
        const double mid = (lo + hi) / 2;
        if ((sky.AltitudeAboveHorizon(body, mid) < 0) == loBelow)
            lo = mid;
        else
            hi = mid;
    }
    return (lo + hi) / 2;
}

struct TReferenceEvents {
    std::vector<double> Rises, Sets;
};

// Every rising and setting on libnova's positions around [from, to): the altitude sampled every
// few minutes, each sign change narrowed by bisection. A body that dips under the horizon and
// back between two samples stays within a few hundredths of a degree of it, which the grazing
// margin excuses.
TReferenceEvents ReferenceEvents(TBody body, double from, double to, TReferenceSky& sky)
{
    constexpr double Step = 5 * Minute;
    TReferenceEvents events;
    double before = from - 0.2;
    double altitudeBefore = sky.AltitudeAboveHorizon(body, before);
    for (double t = before + Step; t <= to + 0.2; t += Step) {
        const double altitude = sky.AltitudeAboveHorizon(body, t);
        if ((altitude < 0) != (altitudeBefore < 0))
            (altitude >= 0 ? events.Rises : events.Sets).push_back(Bisect(body, before, t, sky));
        before = t;
        altitudeBefore = altitude;
    }
    return events;
}

struct TWorst {
    double Error = 0;
    std::string Where;
};

struct TTally {
    int Matched = 0;
    int BothMissing = 0;
    int Grazing = 0;
    int AtDayEdge = 0;
    TWorst Worst;
    std::map<std::string, double> WorstByPlace;
};

// The program's first event in [start, end) against libnova's events: the same instant within
// the tolerance, or both without one; a lone event is excused only at the day's edges (where
// the two may put it either side of midnight) or where the body merely grazes the horizon.
struct TDayAtPlace {
    const TPlace& Place;
    TDate Date;
    TLocalDay Day;
    const TGlibcZone& Glibc;
    const TPlaceZone& Zone;
    TReferenceSky& Sky;
};

void Compare(TBody body, bool rise, const TDayAtPlace& at, std::optional<double> program, const TReferenceEvents& all,
             TTally& tally)
{
    const TPlace& place = at.Place;
    const TDate& date = at.Date;
    const TLocalDay& day = at.Day;
    TReferenceSky& sky = at.Sky;
    const std::vector<double>& events = rise ? all.Rises : all.Sets;
    const auto inside = std::find_if(events.begin(), events.end(), [&](double e) { return e >= day.Start; });
    // A plain value, not an optional: gcc's flow analysis loses track of an optional here.
    const bool hasReference = inside != events.end() && *inside < day.End;
    const double reference = hasReference ? *inside : 0.0;
    double tolerance = Tolerance(body);
    if (hasReference) {
        const double climb = std::fabs(sky.AltitudeAboveHorizon(body, reference + Minute) -
                                       sky.AltitudeAboveHorizon(body, reference - Minute)) /
                             (2 * Minute);
        tolerance += AltitudeSlack / std::max(climb, AltitudeSlack / (2.0 / 24));
    }
    const std::string what = std::string(BodyName(body)) + (rise ? " rise" : " set") + " at " + place.Name + " on " +
                             DateText(date) + " (" + place.Zone + ")";
    SCOPED_TRACE(what);

    auto nearEdge = [&](double t) { return t - day.Start < tolerance || day.End - t < tolerance; };

    if (program) {
        const std::tm local = at.Glibc.local(*program);
        EXPECT_TRUE(IsDate(local, date)) << UtText(*program) << " is on another local day";
        EXPECT_EQ(at.Zone.offsetSecondsAt(*program), local.tm_gmtoff) << "offset at " << UtText(*program);
    }

    if (program && hasReference) {
        // The program may have found the one just past midnight that libnova put before it.
        const double error = std::fabs(*program - reference);
        if (error > tolerance) {
            const auto nearest = std::min_element(events.begin(), events.end(), [&](double a, double b) {
                return std::fabs(a - *program) < std::fabs(b - *program);
            });
            if (std::fabs(*nearest - *program) <= tolerance && nearEdge(reference)) {
                ++tally.AtDayEdge;
                return;
            }
        }
        EXPECT_LE(error, tolerance) << "program " << UtText(*program) << ", libnova " << UtText(reference);
        ++tally.Matched;
        double& placeWorst = tally.WorstByPlace[place.Name];
        placeWorst = std::max(placeWorst, error);
        if (error > tally.Worst.Error)
            tally.Worst = {error, what + ", libnova " + UtText(reference)};
        return;
    }
    if (!program && !hasReference) {
        ++tally.BothMissing;
        return;
    }
    const double lone = program ? *program : reference;
    if (nearEdge(lone)) {
        ++tally.AtDayEdge;
        return;
    }
    const double turn = ClosestTurn(body, day.Start, day.End, sky);
    if (turn < GrazingMargin(body)) {
        ++tally.Grazing;
        std::printf("  grazing (turn %.3f deg from the horizon): %s, only %s has it at %s\n", turn, what.c_str(),
                    program ? "the program" : "libnova", UtText(lone).c_str());
        return;
    }
    ADD_FAILURE() << (program ? "the program has " : "libnova has ") << UtText(lone) << ", "
                  << (program ? "libnova" : "the program") << " none; nearest turn " << turn << " deg from the horizon";
}

void Report(const char* body, const TTally& tally)
{
    std::printf("%s: %d matched, %d missing both ways, %d grazing, %d at the day's edge; worst %.0f "
                "s at %s\n",
                body, tally.Matched, tally.BothMissing, tally.Grazing, tally.AtDayEdge, tally.Worst.Error / Second,
                tally.Worst.Where.c_str());
    for (const auto& [place, worst] : tally.WorstByPlace)
        std::printf("  %-14s worst %.0f s\n", place.c_str(), worst / Second);
}

TEST(LocalDayReference, DaysAndOffsetsAgreeWithTheCLibrary)
{
    for (const TPlace& place : Places()) {
        const TPlaceZone zone{QTimeZone(place.Zone)};
        ASSERT_TRUE(zone.zone().isValid()) << place.Zone;
        const TGlibcZone glibc(place.Zone);
        for (const TDate& date : place.Days) {
            SCOPED_TRACE(std::string(place.Name) + " " + DateText(date));
            const TLocalDay day = zone.day(astro::CalendarToDateTime(date.Year, date.Month, date.Day));
            ASSERT_FALSE(day.empty());
            const std::tm first = glibc.local(day.Start);
            EXPECT_TRUE(IsDate(first, date) && first.tm_hour == 0 && first.tm_min == 0 && first.tm_sec == 0)
                << "starts at " << UtText(day.Start);
            const std::tm last = glibc.local(day.End - Second);
            EXPECT_TRUE(IsDate(last, date) && last.tm_hour == 23 && last.tm_min == 59 && last.tm_sec == 59)
                << "ends at " << UtText(day.End);
            // The hours of the day are those the C library counts between the two midnights.
            const double hours = (day.End - day.Start) * 24;
            EXPECT_NEAR(hours, 24 + (first.tm_gmtoff - glibc.local(day.End).tm_gmtoff) / 3600.0, 1e-6);
            for (double t : {day.Start, (day.Start + day.End) / 2, day.End - Second}) {
                const long offset = glibc.local(t).tm_gmtoff;
                EXPECT_EQ(zone.offsetSecondsAt(t), offset) << UtText(t);
                // The C library falls back to UT for a zone it does not know; the offsets show it.
                EXPECT_NE(std::find(place.OffsetsMinutes.begin(), place.OffsetsMinutes.end(), offset / 60),
                          place.OffsetsMinutes.end())
                    << "glibc offset " << offset << " s";
            }
        }
    }
}

TEST(LocalDayReference, RisingsAndSettingsAgreeWithLibnova)
{
    TTally sun, moon, civil;
    for (const TPlace& place : Places()) {
        const TPlaceZone zone{QTimeZone(place.Zone)};
        const TGlibcZone glibc(place.Zone);
        const double west = -place.Longitude;
        TReferenceSky sky({place.Longitude, place.Latitude});
        for (const TDate& date : place.Days) {
            const TLocalDay day = zone.day(astro::CalendarToDateTime(date.Year, date.Month, date.Day));
            const TDayAtPlace at{place, date, day, glibc, zone, sky};
            const TReferenceEvents sunEvents = ReferenceEvents(TBody::Sun, day.Start, day.End, sky);
            const TReferenceEvents moonEvents = ReferenceEvents(TBody::Moon, day.Start, day.End, sky);
            const TReferenceEvents civilEvents = ReferenceEvents(TBody::Civil, day.Start, day.End, sky);
            for (bool rise : {true, false}) {
                const astro::TRiseSetEvent event = rise ? astro::rsRise : astro::rsSet;
                Compare(TBody::Sun, rise, at,
                        astro::RiseTransitSetBetween(true, event, day.Start, day.End, place.Latitude, west), sunEvents,
                        sun);
                Compare(TBody::Moon, rise, at,
                        astro::RiseTransitSetBetween(false, event, day.Start, day.End, place.Latitude, west),
                        moonEvents, moon);
            }
            const astro::TDayLight light = astro::DayLightBetween(day.Start, day.End, place.Latitude, west);
            auto civilTime = [](const astro::TLightEvent& e) {
                return e.Kind == astro::lkOccurs ? std::optional<double>(e.Time) : std::nullopt;
            };
            Compare(TBody::Civil, true, at, civilTime(light.Morning.Civil), civilEvents, civil);
            Compare(TBody::Civil, false, at, civilTime(light.Evening.Civil), civilEvents, civil);
        }
    }
    Report("sun", sun);
    Report("moon", moon);
    Report("civil twilight", civil);
}

}  // namespace
