#include "astro/riseset.h"

#include <array>
#include <cmath>
#include <optional>

#include "astro/angles.h"
#include "astro/crossings.h"
#include "astro/errors.h"
#include "astro/instantrange.h"
#include "astro/moon_position.h"
#include "astro/moontrack.h"
#include "astro/sidereal.h"
#include "astro/skyposition.h"
#include "astro/sun.h"

namespace astro {

namespace {

// Sidereal degrees the earth turns per solar day.
constexpr double SiderealDegreesPerDay = 360.985647;

// The corrections stop once a step moves the instant by less than a second (days).
constexpr double SettledStep = 1.0 / 86400.0;

// The positions of three days are interpolated, so an iteration that runs further than this
// from 0h of the day (days) has lost its crossing.
constexpr double InterpolationReach = 1.5;

// The moon's crossings are searched by scanning its altitude on a day when the altitude turns
// back within this many degrees of the altitude asked (the corrections divide by the sine of
// the hour angle, which is small there).
constexpr double TurnMargin = 1.0;

// Time either side of a crossing at which the altitude is compared to tell rising from
// setting (days: 30 seconds).
constexpr double DirectionProbe = 30.0 / 86400.0;

[[noreturn]] void ThrowNoRiseSet() { throw E_NoRiseSet("No rises or sets calculable"); }

double StandardAltitude(bool isSun, TRiseSetEvent event, TDateTime date, double latitude, double longitude)
{
    if (event == rsTransit)
        return 0.0;
    if (isSun)
        return SunRiseSetAltitude;
    return MoonRiseSetAltitude(date, latitude, longitude);
}

double DayFraction(double m)
{
    double fraction = m - std::trunc(m);
    if (fraction < 0.0)
        fraction += 1.0;
    return fraction;
}

bool OnTheDay(double m) { return m >= 0.0 && m < 1.0; }

// The body's position at 0h of the days before, of and after the day asked for, and the
// sidereal time at 0h of the day.
struct TBodyDay {
    bool IsSun;
    TDateTime Day;
    double Theta0;
    std::array<double, 3> RightAscension;
    std::array<double, 3> Declination;
};

TBodyDay BodyDay(bool isSun, TDateTime day)
{
    TBodyDay body{isSun, day, SiderealTime(day), {}, {}};
    for (int i = 0; i < 3; ++i) {
        const TDateTime t = day + (i - 1);
        const TSkyPosition pos = isSun ? SunPosition(t) : MoonPosition(t);
        body.RightAscension[i] = pos.RightAscension;
        body.Declination[i] = pos.Declination;
    }
    return body;
}

// Where the body stands for the observer at the day fraction m, from the interpolated
// positions.
struct TLocalSky {
    double HourAngle;    // degrees, (-180, 180]
    double Altitude;     // degrees
    double Declination;  // degrees
};

TLocalSky LocalSky(double theta, double alpha, double delta, double latitude, double longitude)
{
    double H = Normalize360(theta - longitude - alpha);
    if (H > 180.0)
        H -= 360.0;
    const double h = ArcSinDeg(SinDeg(latitude) * SinDeg(delta) + CosDeg(latitude) * CosDeg(delta) * CosDeg(H));
    return {H, h, delta};
}

TLocalSky SkyAt(const TBodyDay& body, double m, double latitude, double longitude)
{
    const auto& ra = body.RightAscension;
    const auto& dec = body.Declination;
    const double theta = body.Theta0 + SiderealDegreesPerDay * m;
    return LocalSky(theta, Interpolate3(ra[0], ra[1], ra[2], m), Interpolate3(dec[0], dec[1], dec[2], m), latitude,
                    longitude);
}

// The moon from its own position at the day fraction m.
TLocalSky MoonSkyAt(const TBodyDay& body, double m, double latitude, double longitude)
{
    const TDateTime t = body.Day + m;
    const TSkyPosition moon = MoonPosition(t);
    return LocalSky(SiderealTime(t), moon.RightAscension, moon.Declination, latitude, longitude);
}

// One correction of the day fraction of an event, from the body's hour angle and altitude
// there.
double Correction(const TLocalSky& sky, TRiseSetEvent event, double h0, double latitude)
{
    if (event == rsTransit)
        return -sky.HourAngle / 360.0;
    const double denominator = 360.0 * CosDeg(sky.Declination) * CosDeg(latitude) * SinDeg(sky.HourAngle);
    if (denominator == 0.0)
        ThrowNoRiseSet();
    return (sky.Altitude - h0) / denominator;
}

bool GoesTheRightWay(const TBodyDay& body, double m, TRiseSetEvent event, double latitude, double longitude)
{
    if (event == rsTransit)
        return true;
    const double before = SkyAt(body, m - DirectionProbe, latitude, longitude).Altitude;
    const double after = SkyAt(body, m + DirectionProbe, latitude, longitude).Altitude;
    return event == rsRise ? after > before : after < before;
}

// Three daily positions place the fast-moving moon up to a few hundredths of a degree off, a
// minute or two in time where it climbs slowly; the same correction repeated from its own
// position at the instant takes the crossing the rest of the way.
std::optional<double> OnTheMoonsOwnPositions(const TBodyDay& body, double m, TRiseSetEvent event, double h0,
                                             double latitude, double longitude)
{
    for (int step = 0; step < MaxCorrections; ++step) {
        const double dm = Correction(MoonSkyAt(body, m, latitude, longitude), event, h0, latitude);
        m += dm;
        if (!(std::fabs(m) <= InterpolationReach))
            return std::nullopt;
        if (std::fabs(dm) < SettledStep)
            return m;
    }
    return std::nullopt;
}

// Repeats the correction from the day fraction start until a step is shorter than
// SettledStep. Nothing when the steps do not settle within MaxCorrections (the body only
// grazes the altitude there), run beyond the interpolated days, or settle on a crossing the
// other way (a set where a rise is asked).
std::optional<double> Settle(const TBodyDay& body, double start, TRiseSetEvent event, double h0, double latitude,
                             double longitude)
{
    double m = start;
    for (int step = 0; step < MaxCorrections; ++step) {
        const double dm = Correction(SkyAt(body, m, latitude, longitude), event, h0, latitude);
        m += dm;
        if (!(std::fabs(m) <= InterpolationReach))
            return std::nullopt;
        if (std::fabs(dm) < SettledStep) {
            if (!GoesTheRightWay(body, m, event, latitude, longitude))
                return std::nullopt;
            return body.IsSun ? m : OnTheMoonsOwnPositions(body, m, event, h0, latitude, longitude);
        }
    }
    return std::nullopt;
}

// Day fractions at which the existence of a crossing is judged and a search can start: the
// moon's declination moves up to 7 degrees a day, so a crossing that 0h rules out can still
// happen later that day at high latitudes.
constexpr std::array<double, 3> StartFractions = {0.0, 0.5, 1.0};

// The first estimate of the event's day fraction, made as the reference makes it at 0h but
// from the body's position interpolated at the day fraction from. Nothing when the body does
// not reach h0 there.
std::optional<double> StartFrom(const TBodyDay& body, double from, TRiseSetEvent event, double h0, double latitude,
                                double longitude)
{
    const auto& ra = body.RightAscension;
    const auto& dec = body.Declination;
    const double alpha = Interpolate3(ra[0], ra[1], ra[2], from);
    const double delta = Interpolate3(dec[0], dec[1], dec[2], from);
    const double transit = (alpha + longitude - body.Theta0) / 360.0;
    double start = transit;
    // The meridian is crossed every day, above the horizon or below it (polar day and night);
    // at a pole, where every direction is south or north, there is no meridian to cross.
    if (event == rsTransit) {
        if (!(std::fabs(latitude) < 90.0))
            return std::nullopt;
    } else {
        const double cosH0 = (SinDeg(h0) - SinDeg(latitude) * SinDeg(delta)) / (CosDeg(latitude) * CosDeg(delta));
        // Written so that a NaN (latitude at a pole) also fails.
        if (!(cosH0 >= -1.0 && cosH0 <= 1.0))
            return std::nullopt;
        const double H0 = ArcCosDeg(cosH0);
        start += event == rsRise ? -H0 / 360.0 : H0 / 360.0;
    }
    // On the day, as at 0h; a start judged at the end of the day may lie just past it.
    start = DayFraction(start);
    if (from - start > 0.5)
        start += 1.0;
    return start;
}

// Day fraction of the event: on the day when it happens that day; otherwise one found on a
// neighbouring day.
double EventFraction(const TBodyDay& body, TRiseSetEvent event, double h0, double latitude, double longitude)
{
    std::optional<double> besideTheDay;
    for (const double from : StartFractions) {
        const std::optional<double> start = StartFrom(body, from, event, h0, latitude, longitude);
        if (!start)
            continue;
        const std::optional<double> first = Settle(body, *start, event, h0, latitude, longitude);
        if (!first)
            continue;
        if (OnTheDay(*first))
            return *first;
        // The start ran to the crossing of the day before or after; the day's own crossing,
        // if there is one, lies about a day from it.
        const double restart = *first < 0.0 ? *first + 1.0 : *first - 1.0;
        const std::optional<double> second = Settle(body, restart, event, h0, latitude, longitude);
        if (second && OnTheDay(*second))
            return *second;
        if (!besideTheDay)
            besideTheDay = *first;
    }
    if (!besideTheDay)
        ThrowNoRiseSet();
    return *besideTheDay;
}

// True when the body's altitude at its upper or lower culmination comes within TurnMargin of
// h0 for a declination it has at some hour of the day (or the hour either side).
bool TurnsNear(const TBodyDay& body, double h0, double latitude)
{
    const auto& dec = body.Declination;
    for (int hour = -1; hour <= 25; ++hour) {
        const double delta = Interpolate3(dec[0], dec[1], dec[2], hour / 24.0);
        const double highest = 90.0 - std::fabs(latitude - delta);
        const double lowest = std::fabs(latitude + delta) - 90.0;
        if (std::fabs(highest - h0) < TurnMargin || std::fabs(lowest - h0) < TurnMargin)
            return true;
    }
    return false;
}

// The moon's rise or set on a day its altitude turns close to h0: the first crossing that way
// on the day by a scan of its altitude from its positions every six hours; when there is
// none, the one the corrections find on a neighbouring day.
double ScannedMoonEventFraction(const TBodyDay& moon, TRiseSetEvent event, double h0, double latitude, double longitude)
{
    const TMoonTrack track = MoonTrack(moon.Day);
    const auto above = [&](double m) {
        const TEquatorialPlace place = MoonPlaceOnTrack(track, m);
        const double theta = moon.Theta0 + SiderealDegreesPerDay * m;
        return LocalSky(theta, place.RightAscension, place.Declination, latitude, longitude).Altitude - h0;
    };
    for (const TZeroCrossing& crossing : DayZeroCrossings(above))
        if (crossing.Upward == (event == rsRise))
            return crossing.Fraction;
    const double beside = EventFraction(moon, event, h0, latitude, longitude);
    if (OnTheDay(beside))
        ThrowNoRiseSet();
    return beside;
}

// The instant of the event in the 24 hours from body.Day whenever it happens then, else its
// instant on a neighbouring day.
TDateTime EventOfTheDay(const TBodyDay& body, TRiseSetEvent event, double h0, double latitude, double longitude)
{
    if (!body.IsSun && event != rsTransit && TurnsNear(body, h0, latitude))
        return body.Day + ScannedMoonEventFraction(body, event, h0, latitude, longitude);
    return body.Day + EventFraction(body, event, h0, latitude, longitude);
}

}  // namespace

double MoonRiseSetAltitude(TDateTime date, double latitude, double longitude)
{
    TSkyPosition moon = MoonPosition(date);
    TopocentricCorrection(moon, date, latitude, longitude, 0.0);
    return MoonParallaxFactor * moon.Parallax - MoonRefraction;
}

double Interpolate3(double y1, double y2, double y3, double n)
{
    auto acrossZero = [](double difference) {
        if (difference > 100.0)
            return difference - 360.0;
        if (difference < -100.0)
            return difference + 360.0;
        return difference;
    };
    const double a = acrossZero(y2 - y1);
    const double b = acrossZero(y3 - y2);
    const double c = b - a;
    return y2 + n / 2.0 * (a + b + n * c);
}

TDateTime RiseTransitSetFrom(bool isSun, TRiseSetEvent event, TDateTime dayStart, double latitude, double longitude)
{
    CheckedInstant(dayStart);
    CheckedLongitude(longitude);
    return EventOfTheDay(BodyDay(isSun, dayStart), event, StandardAltitude(isSun, event, dayStart, latitude, longitude),
                         latitude, longitude);
}

TDateTime RiseTransitSet(bool isSun, TRiseSetEvent event, TDateTime date, double latitude, double longitude)
{
    CheckedInstant(date);
    CheckedLongitude(longitude);
    // The moon's standard altitude is taken at the instant asked, not at 0h.
    return EventOfTheDay(BodyDay(isSun, std::trunc(date)), event,
                         StandardAltitude(isSun, event, date, latitude, longitude), latitude, longitude);
}

TDateTime SunAltitudeTimeFrom(TRiseSetEvent event, TDateTime dayStart, double altitude, double latitude,
                              double longitude)
{
    if (event != rsRise && event != rsSet)
        throw E_OutOfAlgorithmRange("Invalid TRiseSetEvent");
    if (!std::isfinite(dayStart))
        ThrowNoRiseSet();
    CheckedInstant(dayStart);
    CheckedLongitude(longitude);
    const TBodyDay sun = BodyDay(true, dayStart);
    const double m = EventFraction(sun, event, altitude, latitude, longitude);
    if (!OnTheDay(m))
        ThrowNoRiseSet();
    return sun.Day + m;
}

TDateTime SunAltitudeTime(TRiseSetEvent event, TDateTime date, double altitude, double latitude, double longitude)
{
    return SunAltitudeTimeFrom(event, std::trunc(date), altitude, latitude, longitude);
}

TDateTime SunRiseTime(TDateTime date, double latitude, double longitude)
{
    return RiseTransitSet(true, rsRise, date, latitude, longitude);
}

TDateTime SunSetTime(TDateTime date, double latitude, double longitude)
{
    return RiseTransitSet(true, rsSet, date, latitude, longitude);
}

TDateTime SunTransitTime(TDateTime date, double latitude, double longitude)
{
    return RiseTransitSet(true, rsTransit, date, latitude, longitude);
}

TDateTime MoonRiseTime(TDateTime date, double latitude, double longitude)
{
    return RiseTransitSet(false, rsRise, date, latitude, longitude);
}

TDateTime MoonSetTime(TDateTime date, double latitude, double longitude)
{
    return RiseTransitSet(false, rsSet, date, latitude, longitude);
}

TDateTime MoonTransitTime(TDateTime date, double latitude, double longitude)
{
    return RiseTransitSet(false, rsTransit, date, latitude, longitude);
}

}  // namespace astro
