#include "astro/nutation.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/nutation_terms.h"

namespace astro {
namespace {

double JulianCenturies(TDateTime t) { return (DateTimeToJulian(t) - J2000JD) / DaysPerJulianCentury; }

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

    double deltaPsi = 0.0;  // 0.0001"
    double deltaEpsilon = 0.0;
    for (const TNutationTerm& term : NutationTerms) {
        const double argument =
            DegreesToRadians(Normalize360(term.D * D + term.M * M + term.Mp * Mp + term.F * F + term.Omega * Omega));
        deltaPsi += (term.S + 0.1 * term.S1 * T) * std::sin(argument);
        deltaEpsilon += (term.C + 0.1 * term.C1 * T) * std::cos(argument);
    }
    const double toDegrees = 0.0001 / ArcsecondsPerDegree;
    return {deltaPsi * toDegrees, MeanObliquity(t) + deltaEpsilon * toDegrees};
}

}  // namespace astro
