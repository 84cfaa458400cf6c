#include "astro/nutation.h"
#include "astro/instantrange.h"

#include <cmath>
#include <initializer_list>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/nutation_terms.h"
#include "astro/rotations.h"

namespace astro {
namespace {

double JulianCenturies(TDateTime t) { return (DateTimeToJulian(CheckedInstant(t)) - J2000JD) / DaysPerJulianCentury; }

// The table multiplies each fundamental argument by -2..2 only.
constexpr int LargestMultiple = 2;

constexpr bool MultiplesWithinRange()
{
    for (const TNutationTerm& term : NutationTerms)
        for (const int multiple : {term.D, term.M, term.Mp, term.F, term.Omega})
            if (multiple < -LargestMultiple || multiple > LargestMultiple)
                return false;
    return true;
}
static_assert(MultiplesWithinRange());

using TArgumentMultiples = TMultiples<LargestMultiple>;

}  // namespace

double MeanObliquity(TDateTime t)
{
    const double T = JulianCenturies(t);
    return (84381.448 + T * (-46.815 + T * (-0.00059 + T * 0.001813))) / ArcsecondsPerDegree;
}

TNutation Nutation(TDateTime t)
{
    const double T = JulianCenturies(t);
    const double T2 = T * T;
    const double T3 = T2 * T;
    const double Omega = Normalize360(125.04452 - 1934.136261 * T + 0.0020708 * T2 + T3 / 450000.0);
    const double D = Normalize360(297.85036 + 445267.11148 * T - 0.0019142 * T2 + T3 / 189474.0);
    const double M = Normalize360(357.52772 + 35999.05034 * T - 0.0001603 * T2 - T3 / 300000.0);
    const double Mp = Normalize360(134.96298 + 477198.867398 * T + 0.0086972 * T2 + T3 / 56250.0);
    const double F = Normalize360(93.27191 + 483202.017538 * T - 0.0036825 * T2 + T3 / 327270.0);

    const TArgumentMultiples d(DegreesToRadians(D)), m(DegreesToRadians(M)), mp(DegreesToRadians(Mp)),
        f(DegreesToRadians(F)), omega(DegreesToRadians(Omega));

    double deltaPsi = 0.0;  // 0.0001"
    double deltaEpsilon = 0.0;
    for (const TNutationTerm& term : NutationTerms) {
        const TRotation argument = d[term.D] * m[term.M] * mp[term.Mp] * f[term.F] * omega[term.Omega];
        deltaPsi += (term.S + 0.1 * term.S1 * T) * argument.Sin;
        deltaEpsilon += (term.C + 0.1 * term.C1 * T) * argument.Cos;
    }
    const double toDegrees = 0.0001 / ArcsecondsPerDegree;
    return {deltaPsi * toDegrees, MeanObliquity(t) + deltaEpsilon * toDegrees};
}

}  // namespace astro
