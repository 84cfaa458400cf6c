#include "astro/apsides.h"

#include <cmath>
#include <span>

#include "astro/angles.h"
#include "astro/apsides_terms.h"
#include "astro/calendar.h"
#include "astro/constants.h"
#include "astro/deltat.h"
#include "astro/instantrange.h"

namespace astro {

namespace {

// The perigee search starts this far before the date (days).
constexpr double PerigeeSearchLeadDays = 28.0;

// Search steps of the "after" operations (days): each shorter than the cycle they walk (the
// anomalistic month of 27.55 days, the anomalistic year), so no cycle is skipped.
constexpr double PerigeeSearchStepDays = 24.0;
constexpr double PerihelionSearchStepDays = 365.25;

double ApsisSum(std::span<const TApsisTerm> terms, double T, double D, double F, double M)
{
    double sum = 0.0;
    for (const TApsisTerm& term : terms) {
        const double amplitude = term.C0 * 0.0001 + term.C1 * 0.00001 * T;
        sum += amplitude * SinDeg(term.D * D + term.F * F + term.M * M);
    }
    return sum;
}

// Walks in universal time, the scale of date, so that an event handed back in is found again
// to the bit.
TDateTime FirstAfter(TDateTime date, double lead, double step, TDateTime (*instant)(bool, TDateTime), bool second)
{
    TDateTime probe = CheckedInstant(date) - lead;
    TDateTime result = probe;
    while (result < date) {
        result = instant(second, probe);
        probe += step;
    }
    return result;
}

}  // namespace

TDateTime PerigeeApogeeInstantDynamical(bool apogee, TDateTime tt)
{
    double k = std::nearbyint(((CheckedInstant(tt) - Epoch1999Day) / DaysPerJulianYear - 0.97) * 13.2555);
    if (apogee)
        k += 0.5;
    const double T = k / 1325.55;
    const double T2 = T * T;
    const double T3 = T2 * T;
    const double T4 = T3 * T;
    const double jde = 2451534.6698 + 27.55454988 * k - 0.0006886 * T2 - 0.000001098 * T3 + 0.0000000052 * T4;
    const double D = 171.9179 + 335.9106046 * k - 0.0100250 * T2 - 0.00001156 * T3 + 0.000000055 * T4;
    const double M = 347.3477 + 27.1577721 * k - 0.0008323 * T2 - 0.0000010 * T3;
    const double F = 316.6109 + 364.5287911 * k - 0.0125131 * T2 - 0.0000148 * T3;
    const double sum = apogee ? ApsisSum(ApogeeTerms, T, D, F, M) : ApsisSum(PerigeeTerms, T, D, F, M);
    return JulianToDateTime(jde + sum);
}

TDateTime PerigeeApogeeInstant(bool apogee, TDateTime date)
{
    return UniversalFromDynamical(PerigeeApogeeInstantDynamical(apogee, DynamicalFromUniversal(date)));
}

TDateTime PerigeeAfter(TDateTime date)
{
    return FirstAfter(date, PerigeeSearchLeadDays, PerigeeSearchStepDays, PerigeeApogeeInstant, false);
}

TDateTime ApogeeAfter(TDateTime date)
{
    return FirstAfter(date, PerigeeSearchLeadDays, PerigeeSearchStepDays, PerigeeApogeeInstant, true);
}

TDateTime PerihelionAphelionInstantDynamical(bool aphelion, TDateTime tt)
{
    double k = std::nearbyint(((CheckedInstant(tt) - Epoch2000Day) / DaysPerJulianYear - 0.01) * 0.99997);
    if (aphelion)
        k += 0.5;
    return JulianToDateTime(2451547.507 + 365.2596358 * k + 0.0000000158 * k * k);
}

TDateTime PerihelionAphelionInstant(bool aphelion, TDateTime date)
{
    return UniversalFromDynamical(PerihelionAphelionInstantDynamical(aphelion, DynamicalFromUniversal(date)));
}

TDateTime PerihelionAfter(TDateTime date)
{
    return FirstAfter(date, PerihelionSearchStepDays, PerihelionSearchStepDays, PerihelionAphelionInstant, false);
}

TDateTime AphelionAfter(TDateTime date)
{
    return FirstAfter(date, PerihelionSearchStepDays, PerihelionSearchStepDays, PerihelionAphelionInstant, true);
}

}  // namespace astro
