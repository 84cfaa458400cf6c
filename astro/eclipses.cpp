#include "astro/eclipses.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/deltat.h"
#include "astro/errors.h"
#include "astro/instantrange.h"
#include "astro/phases.h"

namespace astro {

namespace {

// Beyond this |sin F| the moon is too far from its node for any eclipse.
constexpr double EclipseLimitSinF = 0.36;

// Solar limits (earth radii): |gamma| below the first is a central eclipse; a
// central eclipse with u between 0 and the second may be annular-total.
constexpr double CentralGammaLimit = 0.9972;
constexpr double AnnularTotalULimit = 0.0047;
constexpr double SolarGammaLimit = 1.5433;

// Shadow radii (earth radii) and the moon's diameter in those units, for the magnitudes.
constexpr double UmbraRadius = 1.0128;
constexpr double PenumbraRadius = 1.5573;
constexpr double MoonDiameter = 0.5450;

// The lunation search walks in steps a little shorter than a month from two months back.
constexpr double SearchStepDays = 28.0;
constexpr double SearchLeadDays = 56.0;

struct TShadowGeometry {
    double Gamma;  // least distance of the shadow axis from the centre of earth (moon)
    double U;      // radius of the umbral cone in the fundamental plane
};

TEclipse ClassifySolar(const TShadowGeometry& g)
{
    const double gamma = std::fabs(g.Gamma);
    if (gamma < CentralGammaLimit) {
        if (g.U < 0.0)
            return ecTotal;
        if (g.U > AnnularTotalULimit)
            return ecAnnular;
        return g.U >= 0.00464 * std::sqrt(1.0 - g.Gamma * g.Gamma) ? ecAnnular : ecAnnularTotal;
    }
    if (gamma > SolarGammaLimit + g.U)
        return ecNone;
    if (gamma >= CentralGammaLimit + std::fabs(g.U))
        return ecPartial;
    return ecNonCentral;
}

TEclipse ClassifyLunar(const TShadowGeometry& g)
{
    const double gamma = std::fabs(g.Gamma);
    const double umbral = (UmbraRadius - g.U - gamma) / MoonDiameter;
    const double penumbral = (PenumbraRadius + g.U - gamma) / MoonDiameter;
    if (umbral >= 1.0)
        return ecTotal;
    if (umbral > 0.0)
        return ecPartial;
    if (penumbral > 0.0)
        return ecPenumbral;
    return ecNone;
}

}  // namespace

TEclipse EclipseOfLunationDynamical(TDateTime& tt, bool sun)
{
    const TPhaseArguments a = PhaseArgumentsDynamical(sun ? mpNew : mpFull, tt);
    if (std::fabs(SinDeg(a.F)) > EclipseLimitSinF) {
        tt = JulianToDateTime(a.MeanJDE);
        return ecNone;
    }

    const double E = a.E;
    const double M = a.SunAnomaly;
    const double Mm = a.MoonAnomaly;
    const double Omega = a.Omega;
    const double c1 = sun ? 0.4075 : 0.4065;
    const double c2 = sun ? 0.1721 : 0.1727;
    const double F1 = a.F - 0.02665 * SinDeg(Omega);
    const double T = a.K / 1236.85;
    const double A1 = 299.77 + 0.107408 * a.K - 0.009173 * T * T;

    const double jde = a.MeanJDE - c1 * SinDeg(Mm) + c2 * E * SinDeg(M) + 0.0161 * SinDeg(2 * Mm) -
                       0.0097 * SinDeg(2 * F1) + 0.0073 * E * SinDeg(Mm - M) - 0.0050 * E * SinDeg(Mm + M) -
                       0.0023 * SinDeg(Mm - 2 * F1) + 0.0021 * E * SinDeg(2 * M) + 0.0012 * SinDeg(Mm + 2 * F1) +
                       0.0006 * E * SinDeg(2 * Mm + M) - 0.0004 * SinDeg(3 * Mm) - 0.0003 * E * SinDeg(M + 2 * F1) +
                       0.0003 * SinDeg(A1) - 0.0002 * E * SinDeg(M - 2 * F1) - 0.0002 * E * SinDeg(2 * Mm - M) -
                       0.0002 * SinDeg(Omega);

    const double P = 0.2070 * E * SinDeg(M) + 0.0024 * E * SinDeg(2 * M) - 0.0392 * SinDeg(Mm) +
                     0.0116 * SinDeg(2 * Mm) - 0.0073 * E * SinDeg(Mm + M) + 0.0067 * E * SinDeg(Mm - M) +
                     0.0118 * SinDeg(2 * F1);
    const double Q = 5.2207 - 0.0048 * E * CosDeg(M) + 0.0020 * E * CosDeg(2 * M) - 0.3299 * CosDeg(Mm) -
                     0.0060 * E * CosDeg(Mm + M) + 0.0041 * E * CosDeg(Mm - M);
    TShadowGeometry g{};
    g.Gamma = (P * CosDeg(F1) + Q * SinDeg(F1)) * (1.0 - 0.0048 * std::fabs(CosDeg(F1)));
    g.U = 0.0059 + 0.0046 * E * CosDeg(M) - 0.0182 * CosDeg(Mm) + 0.0004 * CosDeg(2 * Mm) - 0.0005 * CosDeg(M + Mm);

    tt = JulianToDateTime(jde);
    return sun ? ClassifySolar(g) : ClassifyLunar(g);
}

TEclipse EclipseOfLunation(TDateTime& date, bool sun)
{
    TDateTime tt = DynamicalFromUniversal(date);
    const TEclipse type = EclipseOfLunationDynamical(tt, sun);
    date = UniversalFromDynamical(tt);
    return type;
}

namespace {

// The search compares the series' instants with the start on their own scale, which keeps
// the order of the instants as universal time would.
TEclipse FindEclipseAfterDynamical(TDateTime& tt, bool sun)
{
    // PhaseArgumentsDynamical picks the lunation whose mean NEW moon is nearest a date (+5 days), so
    // its full moon lies 5 to 34 days after that date, and stepping 28 days on from a full
    // moon would land two full moons later. Probing half a month earlier for full moons
    // centres the choice on the full moon instead, and every full moon is examined in turn.
    const double probeShift = sun ? 0.0 : SynodicMonth / 2.0;
    const TDateTime target = CheckedInstant(tt);
    TDateTime t = target - SearchLeadDays;
    TEclipse result = ecNone;
    while (t < target) {
        t = t + SearchStepDays - probeShift;
        result = EclipseOfLunationDynamical(t, sun);
    }
    tt = t;
    return result;
}

}  // namespace

TEclipse FindEclipseAfter(TDateTime& date, bool sun)
{
    TDateTime tt = DynamicalFromUniversal(date);
    const TEclipse type = FindEclipseAfterDynamical(tt, sun);
    date = UniversalFromDynamical(tt);
    return type;
}

TEclipse NextEclipse(TDateTime& date, bool sun)
{
    for (int step = 0; step < NextEclipseStepLimit; ++step) {
        const TEclipse type = FindEclipseAfter(date, sun);
        if (type != ecNone)
            return type;
        date += 28.0;
    }
    throw E_OutOfAlgorithmRange("Out of range of the algorithm");
}

}  // namespace astro
