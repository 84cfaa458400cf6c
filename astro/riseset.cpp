#include "astro/riseset.h"

#include <array>
#include <cmath>

#include "astro/angles.h"
#include "astro/errors.h"
#include "astro/instantrange.h"
#include "astro/moon_position.h"
#include "astro/sidereal.h"
#include "astro/skyposition.h"
#include "astro/sun.h"

namespace astro {

namespace {

// Sidereal degrees the earth turns per solar day.
constexpr double SiderealDegreesPerDay = 360.985647;

[[noreturn]] void ThrowNoRiseSet() { throw E_NoRiseSet("No rises or sets calculable"); }

double StandardAltitude(bool isSun, TRiseSetEvent event, TDateTime date, double latitude,
                        double longitude)
{
    if (event == rsTransit)
        return 0.0;
    if (isSun)
        return SunRiseSetAltitude;
    TSkyPosition moon = MoonPosition(date);
    TopocentricCorrection(moon, date, latitude, longitude, 0.0);
    return MoonParallaxFactor * moon.Parallax - MoonRefraction;
}

double DayFraction(double m)
{
    double fraction = m - std::trunc(m);
    if (fraction < 0.0)
        fraction += 1.0;
    return fraction;
}

// The body's position at 0h of the days before, of and after the day asked for.
struct TThreeDays {
    std::array<double, 3> RightAscension;
    std::array<double, 3> Declination;
};

TThreeDays PositionsAround(bool isSun, TDateTime day)
{
    TThreeDays days{};
    for (int i = 0; i < 3; ++i) {
        const TDateTime t = day + (i - 1);
        const TSkyPosition pos = isSun ? SunPosition(t) : MoonPosition(t);
        days.RightAscension[i] = pos.RightAscension;
        days.Declination[i] = pos.Declination;
    }
    return days;
}

// One correction of the day fraction m of an event, from the body's hour angle and altitude
// interpolated at m.
double CorrectedFraction(double m, bool transit, double h0, double theta0, double latitude,
                         double longitude, const TThreeDays& days)
{
    const double theta = theta0 + SiderealDegreesPerDay * m;
    const auto& ra = days.RightAscension;
    const auto& dec = days.Declination;
    const double alpha = Interpolate3(ra[0], ra[1], ra[2], m);
    const double delta = Interpolate3(dec[0], dec[1], dec[2], m);
    double H = Normalize360(theta - longitude - alpha);
    if (H > 180.0)
        H -= 360.0;
    if (transit)
        return m - H / 360.0;
    const double h = ArcSinDeg(SinDeg(latitude) * SinDeg(delta)
                               + CosDeg(latitude) * CosDeg(delta) * CosDeg(H));
    const double denominator = 360.0 * CosDeg(delta) * CosDeg(latitude) * SinDeg(H);
    if (denominator == 0.0)
        ThrowNoRiseSet();
    return m + (h - h0) / denominator;
}

}  // namespace

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

TDateTime RiseTransitSet(bool isSun, TRiseSetEvent event, TDateTime date, double latitude,
                         double longitude)
{
    CheckedInstant(date);
    CheckedLongitude(longitude);
    const double h0 = StandardAltitude(isSun, event, date, latitude, longitude);
    const TDateTime day = std::trunc(date);
    const double theta0 = SiderealTime(day);
    const TThreeDays days = PositionsAround(isSun, day);

    const double delta2 = days.Declination[1];
    const double cosH0 = (SinDeg(h0) - SinDeg(latitude) * SinDeg(delta2))
                         / (CosDeg(latitude) * CosDeg(delta2));
    // Written so that a NaN (latitude at a pole) also fails.
    if (!(cosH0 >= -1.0 && cosH0 <= 1.0))
        ThrowNoRiseSet();
    const double H0 = ArcCosDeg(cosH0);

    const double m0 = DayFraction((days.RightAscension[1] + longitude - theta0) / 360.0);
    const double m1 = DayFraction(m0 - H0 / 360.0);
    const double m2 = DayFraction(m0 + H0 / 360.0);
    // All three corrections run, whichever event is asked, so each request fails alike.
    const double transit = CorrectedFraction(m0, true, h0, theta0, latitude, longitude, days);
    const double rise = CorrectedFraction(m1, false, h0, theta0, latitude, longitude, days);
    const double set = CorrectedFraction(m2, false, h0, theta0, latitude, longitude, days);

    switch (event) {
    case rsRise: return day + rise;
    case rsSet: return day + set;
    case rsTransit: break;
    }
    return day + transit;
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
