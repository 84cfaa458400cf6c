#include "astro/meteorshowers.h"

#include <algorithm>
#include <cmath>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/constants.h"
#include "astro/deltat.h"
#include "astro/errors.h"
#include "astro/instantrange.h"
#include "astro/nutation.h"
#include "astro/phases.h"
#include "astro/seasons.h"
#include "astro/sidereal.h"
#include "astro/sun.h"
#include "astro/transforms.h"

namespace astro {

namespace {

// The peak search stops once the longitude is this close to the table's (degrees).
constexpr double PeakToleranceDeg = 0.0000001;
constexpr int PeakStepLimit = 50;
// Days per unit of sine of the longitude still missing, as for the solar terms.
constexpr double PeakDaysPerSine = 58.0;
// The sun reaches longitude 0 (of J2000.0) around 20 March, day 79 counted from 1 January.
constexpr double LongitudeZeroDayOfYear = 79.0;
constexpr double TropicalYearDays = 365.24219;
// Sidereal degrees per solar day: how fast the sun's hour angle grows.
constexpr double HourAngleDegPerDay = 360.985647;

TDateTime GregorianNewYear(int year) { return JulianToDateTime(GregorianCalendarToJD(year, 1, 1)); }

// The instant (dynamical time) near `guess` at which SunLongitudeJ2000 is `target`.
TDateTime SolveSunLongitude(double target, TDateTime guess)
{
    TDateTime t = guess;
    for (int step = 0;; ++step) {
        const double missing = AngleDifference(target, SunLongitudeJ2000(t));
        if (std::fabs(missing) <= PeakToleranceDeg)
            return t;
        if (step == PeakStepLimit)
            throw E_OutOfAlgorithmRange("Out of range of the algorithm");
        t += PeakDaysPerSine * SinDeg(missing);
    }
}

// The sun's hour angle (degrees, [0, 360)) at ut for a west-positive longitude.
double SunHourAngle(TDateTime ut, double longitude)
{
    return Normalize360(SiderealTime(ut) - longitude - SunPosition(ut).RightAscension);
}

}  // namespace

double SunLongitudeJ2000(TDateTime t)
{
    const double T = (t - J2000DateTime) / DaysPerJulianCentury;
    const double precession = (5029.0966 * T + 1.11113 * T * T - 0.000006 * T * T * T) / ArcsecondsPerDegree;
    return Normalize360(SunApparentLongitude(t) - Nutation(t).DeltaPsi - precession);
}

TDateTime MeteorShowerPeak(const TMeteorShower& shower, int year)
{
    if (year < 1 || year > 9999)
        throw EConvertError("Invalid year");
    const TDateTime first = GregorianNewYear(year);
    const TDateTime next = year < 9999 ? GregorianNewYear(year + 1) : first + 365;
    double offset = LongitudeZeroDayOfYear + shower.SolarLongitude * TropicalYearDays / 360.0;
    if (offset >= TropicalYearDays)
        offset -= TropicalYearDays;
    TDateTime peak = UniversalFromDynamical(SolveSunLongitude(shower.SolarLongitude, first + offset));
    // A peak in the first or last days of the year may have been found in the year beside it.
    if (peak < first)
        peak = UniversalFromDynamical(SolveSunLongitude(shower.SolarLongitude, peak + TropicalYearDays));
    else if (peak >= next)
        peak = UniversalFromDynamical(SolveSunLongitude(shower.SolarLongitude, peak - TropicalYearDays));
    return peak;
}

TMeteorNight MeteorShowerNight(const TMeteorShower& shower, TDateTime nightStart, TDateTime nightEnd, double latitude,
                               double longitude)
{
    CheckedInstant(nightStart);
    CheckedInstant(nightEnd);
    CheckedLatitude(latitude);
    CheckedLongitude(longitude);
    if (nightEnd < nightStart)
        throw E_OutOfAlgorithmRange("Out of range of the algorithm");
    TDateTime darkest = (nightStart + nightEnd) / 2;
    // Three corrections bring the hour angle to 180 degrees within a second.
    for (int step = 0; step < 3; ++step)
        darkest += AngleDifference(180.0, SunHourAngle(darkest, longitude)) / HourAngleDegPerDay;
    darkest = std::clamp(darkest, nightStart, nightEnd);

    TSkyPosition radiant;
    radiant.RightAscension = shower.RightAscension;
    radiant.Declination = shower.Declination;
    EquatorialToHorizontal(radiant, darkest, longitude, latitude);
    return {darkest, radiant.Elevation, MoonIlluminatedFraction(darkest)};
}

}  // namespace astro
