#include "astro/night.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>

#include "astro/angles.h"
#include "astro/crossings.h"
#include "astro/dayinterval.h"
#include "astro/daylight.h"
#include "astro/errors.h"
#include "astro/galacticcentre.h"
#include "astro/instantrange.h"
#include "astro/moontrack.h"
#include "astro/phases.h"
#include "astro/riseset.h"
#include "astro/sidereal.h"
#include "astro/skyposition.h"
#include "astro/sun.h"
#include "astro/transforms.h"

namespace astro {

namespace {

// Sidereal degrees the earth turns per solar day.
constexpr double SiderealDegreesPerDay = 360.985647;

[[noreturn]] void ThrowOutOfRange() { throw E_OutOfAlgorithmRange("Out of range of the algorithm"); }

bool Within(double x, double lowest, double highest) { return x >= lowest && x <= highest; }

void CheckNight(TDateTime start, TDateTime end, double latitude, double longitude, const TNightOptions& options)
{
    CheckedInstant(start);
    CheckedInstant(end);
    CheckedLongitude(longitude);
    if (!(end > start) || end - start > LongestDaySpan || !Within(latitude, -90.0, 90.0) ||
        !Within(options.FaintMoonPercent, 0.0, 100.0) || !Within(options.CoreAltitude, -90.0, 90.0))
        ThrowOutOfRange();
}

// The night as the searches see it: instants as fractions of its span, the sidereal time
// running on from its start.
struct TNightSpan {
    TDateTime Start;
    double Length;  // days
    double Theta0;  // apparent sidereal time at Greenwich at Start, degrees
    double Latitude;
    double Longitude;

    TDateTime At(double fraction) const { return Start + fraction * Length; }
    // -1 at the start, 0 in the middle and 1 at the end, for three-point interpolation.
    double Centred(double fraction) const { return 2.0 * fraction - 1.0; }
    double HourAngle(TDateTime t, double rightAscension) const
    {
        return Theta0 + SiderealDegreesPerDay * (t - Start) - Longitude - rightAscension;
    }
    double Altitude(TDateTime t, double rightAscension, double declination) const
    {
        return ArcSinDeg(SinDeg(Latitude) * SinDeg(declination) +
                         CosDeg(Latitude) * CosDeg(declination) * CosDeg(HourAngle(t, rightAscension)));
    }
};

// When a body is down (its altitude less its limit below zero) over the night: at its start
// and at each change after it.
struct TDownTimes {
    bool DownAtStart;
    std::vector<TZeroCrossing> Changes;
};

TDownTimes DownTimes(const std::function<double(double)>& aboveLimit)
{
    return {aboveLimit(0.0) < 0.0, DayZeroCrossings(aboveLimit)};
}

// The sun's place moves a degree a day, smoothly enough that three positions give it to well
// under an arc second.
TDownTimes SunDownTimes(const TNightSpan& night)
{
    std::array<TSkyPosition, 3> sun;
    for (std::size_t i = 0; i < sun.size(); ++i)
        sun[i] = SunPosition(night.At(0.5 * static_cast<double>(i)));
    return DownTimes([&](double fraction) {
        const double n = night.Centred(fraction);
        const double ra = Interpolate3(sun[0].RightAscension, sun[1].RightAscension, sun[2].RightAscension, n);
        const double dec = Interpolate3(sun[0].Declination, sun[1].Declination, sun[2].Declination, n);
        return night.Altitude(night.At(fraction), ra, dec) - AstronomicalTwilightAltitude;
    });
}

TDownTimes MoonDownTimes(const TNightSpan& night)
{
    const TMoonTrack track = MoonTrack(night.Start);
    std::array<double, 3> limit{};
    for (std::size_t i = 0; i < limit.size(); ++i)
        limit[i] = MoonRiseSetAltitude(night.At(0.5 * static_cast<double>(i)), night.Latitude, night.Longitude);
    return DownTimes([&](double fraction) {
        const TEquatorialPlace moon = MoonPlaceOnTrack(track, fraction * night.Length);
        return night.Altitude(night.At(fraction), moon.RightAscension, moon.Declination) -
               Interpolate3(limit[0], limit[1], limit[2], night.Centred(fraction));
    });
}

// The spans in which the sun and the moon are both down.
std::vector<TDarkWindow> DarkWindows(const TNightSpan& night, const TDownTimes& sun, const TDownTimes& moon)
{
    struct TChange {
        double Fraction;
        bool Sun;
        bool Down;
    };
    std::vector<TChange> changes;
    for (const TZeroCrossing& c : sun.Changes)
        changes.push_back({c.Fraction, true, !c.Upward});
    for (const TZeroCrossing& c : moon.Changes)
        changes.push_back({c.Fraction, false, !c.Upward});
    std::stable_sort(changes.begin(), changes.end(),
                     [](const TChange& a, const TChange& b) { return a.Fraction < b.Fraction; });

    std::vector<TDarkWindow> windows;
    bool sunDown = sun.DownAtStart;
    bool moonDown = moon.DownAtStart;
    double darkFrom = 0.0;
    for (const TChange& change : changes) {
        const bool wasDark = sunDown && moonDown;
        (change.Sun ? sunDown : moonDown) = change.Down;
        const bool dark = sunDown && moonDown;
        if (dark && !wasDark)
            darkFrom = change.Fraction;
        else if (wasDark && !dark && change.Fraction > darkFrom)
            windows.push_back({night.At(darkFrom), night.At(change.Fraction), {}});
    }
    if (sunDown && moonDown)
        windows.push_back({night.At(darkFrom), night.At(1.0), {}});
    return windows;
}

TCoreSight CoreSight(TDateTime t, const TEquatorialPlace& core, const TNightSpan& night)
{
    TSkyPosition sky;
    sky.RightAscension = core.RightAscension;
    sky.Declination = core.Declination;
    EquatorialToHorizontal(sky, t, night.Longitude, night.Latitude);
    return {t, Normalize360(sky.Azimuth + 180.0), sky.Elevation};
}

// The core's altitude turns at its culminations, so within a span its highest point is one
// of them or an edge.
TCoreSpan CoreSpanOf(TDateTime from, TDateTime to, const std::vector<TDateTime>& culminations,
                     const TEquatorialPlace& core, const TNightSpan& night)
{
    TCoreSpan span{CoreSight(from, core, night), {}, CoreSight(to, core, night)};
    span.Highest = span.Start.Altitude >= span.End.Altitude ? span.Start : span.End;
    for (TDateTime t : culminations) {
        if (t > from && t < to) {
            const TCoreSight top = CoreSight(t, core, night);
            if (top.Altitude > span.Highest.Altitude)
                span.Highest = top;
        }
    }
    return span;
}

// Where the core stands at least `lowest` high in [from, to): from its hour angle, with its
// place held fixed, cos H = (sin h - sin phi sin dec) / (cos phi cos dec).
std::vector<TCoreSpan> CoreSpans(TDateTime from, TDateTime to, const TEquatorialPlace& core, double lowest,
                                 const TNightSpan& night)
{
    const double day = 360.0 / SiderealDegreesPerDay;
    const double firstCulmination =
        night.Start + Normalize360(-night.HourAngle(night.Start, core.RightAscension)) / SiderealDegreesPerDay - day;
    std::vector<TDateTime> culminations;
    for (TDateTime t = firstCulmination; t < to + day; t += day)
        culminations.push_back(t);

    const double across = CosDeg(night.Latitude) * CosDeg(core.Declination);
    const double level = SinDeg(night.Latitude) * SinDeg(core.Declination);
    double halfArc = 0.0;  // days either side of a culmination the core stays that high
    if (std::fabs(across) < 1e-12) {
        // At a pole the core keeps one altitude.
        if (ArcSinDeg(level) < lowest)
            return {};
        halfArc = day;
    } else {
        const double c = (SinDeg(lowest) - level) / across;
        if (c >= 1.0)
            return {};
        halfArc = c <= -1.0 ? day : ArcCosDeg(c) / SiderealDegreesPerDay;
    }

    std::vector<TCoreSpan> spans;
    TDateTime covered = from;
    for (TDateTime culmination : culminations) {
        const TDateTime a = std::max(covered, culmination - halfArc);
        const TDateTime b = std::min(to, culmination + halfArc);
        if (b > a) {
            spans.push_back(CoreSpanOf(a, b, culminations, core, night));
            covered = b;
        }
    }
    // A core that never sets joins its arcs into one.
    if (halfArc >= day && spans.size() > 1) {
        spans = {CoreSpanOf(spans.front().Start.Time, spans.back().End.Time, culminations, core, night)};
    }
    return spans;
}

}  // namespace

TNight NightBetween(TDateTime start, TDateTime end, double latitude, double longitude, const TNightOptions& options)
{
    CheckNight(start, end, latitude, longitude, options);
    const TNightSpan night{start, end - start, SiderealTime(start), latitude, longitude};
    const TDateTime middle = night.At(0.5);

    TNight result;
    result.MoonIlluminatedFraction = MoonIlluminatedFraction(middle);
    const TDownTimes sun = SunDownTimes(night);
    if (!sun.DownAtStart && sun.Changes.empty()) {
        result.Darkness = ndSunAboveAllNight;
        return result;
    }
    const bool faint =
        options.FaintMoonCountsAsDown && result.MoonIlluminatedFraction * 100.0 < options.FaintMoonPercent;
    const TDownTimes moon = faint ? TDownTimes{true, {}} : MoonDownTimes(night);
    result.Windows = DarkWindows(night, sun, moon);
    result.Darkness = result.Windows.empty() ? ndMoonUpAllNight : ndDark;

    const TEquatorialPlace core = GalacticCentrePosition(middle);
    for (TDarkWindow& window : result.Windows)
        window.Core = CoreSpans(window.Start, window.End, core, options.CoreAltitude, night);
    return result;
}

}  // namespace astro
