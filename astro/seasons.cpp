#include "astro/seasons.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/deltat.h"
#include "astro/errors.h"
#include "astro/instantrange.h"
#include "astro/rotations.h"
#include "astro/sun.h"

namespace astro {

namespace {

// The iteration stops once the miss it expects of its next instant, the last one squared over
// the one before (the steps contract by that ratio), is this small (degrees, 9 microseconds of
// time): a third of the 3e-10 degrees promised.
constexpr double ExpectedMissDeg = 0.0000000001;

// Far from 2000 the sun's longitude, summed in 64-bit doubles, moves in steps of up to about
// 5e-10 degrees from one representable instant to the next, so the misses stop shrinking
// there: a miss this small (degrees, about a tenth of a millisecond of time) ends the
// iteration as well.
constexpr double SolarTermResolutionDeg = 0.000000001;

// Newton steps on the approximate sun that bring the first guess, a few days off, to the
// instant the approximate longitude reaches the target.
constexpr int ApproximateSteps = 2;

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

// The sun's apparent longitude (degrees) and its rate (degrees per day) from its mean motion,
// the equation of the centre, the moon's pull on the earth and the largest nutation term:
// within about 0.01 degree of the full series, and its rate within about 1e-4 of the full
// one's, at a few sines' cost. It steers the full series' instant: a start within 0.01
// degree, then steps that leave about 1e-4 of each miss.
// Reference: Meeus, Astronomical Algorithms, 2nd ed., ch. 25 (lower accuracy); the moon's
// term is the largest monthly term of VSOP87D's longitude series.
struct TSolarMotion {
    double Longitude;
    double Rate;
};

TSolarMotion ApproximateSolarMotion(TDateTime t)
{
    const double T = (DateTimeToJulian(t) - J2000JD) / DaysPerJulianCentury;
    const TRotation M = TRotation::Of(DegreesToRadians(357.52911 + T * (35999.05029 - T * 0.0001537)));
    const TRotation M2 = M * M;
    const TRotation M3 = M2 * M;
    const double dM = DegreesToRadians(35999.05029 - 2.0 * T * 0.0001537);
    const double c1 = 1.914602 - T * (0.004817 + T * 0.000014);
    const double c2 = 0.019993 - T * 0.000101;
    constexpr double c3 = 0.000289;
    const TRotation omega = TRotation::Of(DegreesToRadians(125.04 - 1934.136 * T));
    constexpr double dOmega = DegreesToRadians(-1934.136);
    constexpr double lunarAmplitude = RadiansToDegrees(0.00003135896);
    const TRotation lunar = TRotation::Of(3.62767041758 + 7771.377146812050 * T);
    constexpr double dLunar = 7771.377146812050;

    const double longitude = 280.46646 + T * (36000.76983 + T * 0.0003032) + c1 * M.Sin + c2 * M2.Sin + c3 * M3.Sin -
                             0.00569 - 0.00478 * omega.Sin + lunarAmplitude * lunar.Cos;
    const double ratePerCentury = 36000.76983 + 2.0 * T * 0.0003032 +
                                  (c1 * M.Cos + 2.0 * c2 * M2.Cos + 3.0 * c3 * M3.Cos) * dM -
                                  0.00478 * omega.Cos * dOmega - lunarAmplitude * lunar.Sin * dLunar;
    return {Normalize360(longitude), ratePerCentury / DaysPerJulianCentury};
}

// Newton's steps on the approximate sun from t towards the target longitude (degrees). The
// rate of the last step serves the full series' steps too: over the few minutes they move,
// it changes by a few millionths.
struct TApproach {
    TDateTime Instant;
    double Rate;
};

TApproach ApproachWithApproximateSun(TDateTime t, double target)
{
    double rate = 0.0;
    for (int step = 0; step < ApproximateSteps; ++step) {
        const TSolarMotion sun = ApproximateSolarMotion(t);
        rate = sun.Rate;
        t += AngleDifference(target, sun.Longitude) / rate;
    }
    return {t, rate};
}

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
    const TApproach approach = ApproachWithApproximateSun(GregorianNewYear(year, offset > 365.0) + offset, target);
    TDateTime t = approach.Instant;
    double previousMiss = 0.0;
    for (int step = 0;; ++step) {
        if (step == SolarTermStepLimit)
            throw E_OutOfAlgorithmRange("Out of range of the algorithm");
        const double miss = AngleDifference(target, SunApparentLongitude(t));
        t += miss / approach.Rate;
        const double size = std::fabs(miss);
        if (size <= SolarTermResolutionDeg || (step > 0 && size * size <= ExpectedMissDeg * previousMiss))
            return t;
        previousMiss = size;
    }
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
