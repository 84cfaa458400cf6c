#include "astro/seasons.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/deltat.h"
#include "astro/errors.h"
#include "astro/instantrange.h"
#include "astro/sun.h"

namespace astro {

namespace {

// The iteration stops once the sun's longitude is this close to the target (degrees).
constexpr double SolarTermToleranceDeg = 0.0000000003;

// Far from 2000 the sun's longitude, summed in 64-bit doubles, moves in steps of up to about
// 5e-10 degrees from one representable instant to the next, so the tolerance above can be
// out of reach: once a correction no longer improves on a difference this small (degrees,
// about a millisecond of time), the best instant seen is the answer.
constexpr double SolarTermResolutionDeg = 0.00000001;

// Days the instant moves per unit of sine of the remaining longitude difference: a little
// more than the sun's mean 1.0146 days per degree times 180/pi, so steps contract fast.
constexpr double SolarTermDaysPerSine = 58.0;

// First guess of the March equinox, counted from 1 January (days).
constexpr double MarchEquinoxDayOfYear = 31.0 + 28.0 + 21.0;

bool IsGregorianLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

// 1 January 0h of the year in the proleptic Gregorian calendar, or of the year before it.
// The year before year 1 is the proleptic year 0 (a leap year), counted arithmetically so
// that the January terms of year 1 can be found.
TDateTime GregorianNewYear(int year, bool yearBefore)
{
    const TDateTime newYear = JulianToDateTime(GregorianCalendarToJD(year, 1, 1));
    if (!yearBefore)
        return newYear;
    return newYear - (IsGregorianLeapYear(year - 1) ? 366.0 : 365.0);
}

double SunLongitude(TDateTime t) { return SunPosition(t).Longitude; }

// Calendar month after (step +1) or before (step -1) year-month.
void StepMonth(int& year, int& month, int step)
{
    month += step;
    if (month > 12) {
        month = 1;
        ++year;
    } else if (month < 1) {
        month = 12;
        --year;
    }
}

// Walks the principal terms month by month from the month of date, forwards to the first at or
// after it or backwards to the last strictly before it. Both date and the terms are universal
// time, so that a term handed back in is found again to the bit.
TDateTime NearestPrincipalTerm(TDateTime date, bool forward)
{
    const TCalendarDate start = DateTimeToCalendar(date);
    int year = start.Year;
    int month = start.Month;
    for (;;) {
        const TDateTime term = SolarTermInstant(year, PrincipalTermOfMonth(month));
        const bool walkOn = forward ? term < date : term >= date;
        if (!walkOn)
            return term;
        StepMonth(year, month, forward ? +1 : -1);
    }
}

}  // namespace

double AngleDifference(double a, double b)
{
    double difference = a - b;
    // Two huge angles of opposite signs overflow the plain difference; reduced first, they
    // cannot.
    if (!std::isfinite(difference))
        difference = Normalize360(a) - Normalize360(b);
    difference = Normalize360(difference);
    return difference > 180.0 ? difference - 360.0 : difference;
}

TDateTime SolarTermInstantDynamical(int year, int term)
{
    if (term < 0 || term > 23)
        throw E_OutOfAlgorithmRange("Out of range of the algorithm");
    const double target = 15.0 * term;
    const double offset = MeanSolarTermDays * term + MarchEquinoxDayOfYear;
    TDateTime t = GregorianNewYear(year, offset > 365.0) + offset;
    double longitude = SunLongitude(t);
    TDateTime best = t;
    double bestDifference = std::fabs(AngleDifference(target, longitude));
    for (int step = 0; std::fabs(AngleDifference(target, longitude)) > SolarTermToleranceDeg; ++step) {
        if (step == SolarTermStepLimit)
            throw E_OutOfAlgorithmRange("Out of range of the algorithm");
        t += SolarTermDaysPerSine * SinDeg(target - longitude);
        longitude = SunLongitude(t);
        const double difference = std::fabs(AngleDifference(target, longitude));
        if (difference < bestDifference) {
            best = t;
            bestDifference = difference;
        } else if (bestDifference <= SolarTermResolutionDeg) {
            return best;
        }
    }
    return t;
}

TDateTime SolarTermInstant(int year, int term) { return UniversalFromDynamical(SolarTermInstantDynamical(year, term)); }

TDateTime SeasonBegin(int year, TSeason season)
{
    switch (season) {
    case ssWinter: return SolarTermInstant(year, 18);
    case ssSpring: return SolarTermInstant(year, 0);
    case ssSummer: return SolarTermInstant(year, 6);
    case ssAutumn: return SolarTermInstant(year, 12);
    }
    return 0.0;
}

int PrincipalTermOfMonth(int month)
{
    if (month < 1 || month > 12)
        throw E_OutOfAlgorithmRange("Out of range of the algorithm");
    return (2 * month + 18) % 24;
}

TDateTime PrincipalTermAfter(TDateTime date) { return NearestPrincipalTerm(date, true); }

TDateTime PrincipalTermBefore(TDateTime date) { return NearestPrincipalTerm(date, false); }

}  // namespace astro
