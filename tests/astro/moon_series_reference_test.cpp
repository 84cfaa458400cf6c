// The moon's series builds each term's sine and cosine from the multiples of its arguments.
// Here the same series is summed the plain way, one reduction and one sine per term, and the
// two must agree to 0.001" wherever the library answers: a wrong multiple, sign or
// eccentricity factor in the fast sum moves the moon by far more.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/constants.h"
#include "astro/instantrange.h"
#include "astro/moon_position.h"
#include "astro/moon_terms.h"
#include "astro/transforms.h"

namespace astro {
namespace {

struct TArguments {
    double LPrime, D, M, MPrime, F, A1, A2, A3, E;
};

TArguments ArgumentsAt(double T)
{
    const double T2 = T * T;
    const double T3 = T2 * T;
    const double T4 = T3 * T;
    return {218.3164591 + 481267.88134236 * T - 0.0013268 * T2 + T3 / 538841.0 - T4 / 65194000.0,
            297.8502042 + 445267.1115168 * T - 0.00163 * T2 + T3 / 545868.0 - T4 / 113065000.0,
            357.5291092 + 35999.0502909 * T - 0.0001536 * T2 + T3 / 24490000.0,
            134.9634114 + 477198.8676313 * T + 0.008997 * T2 + T3 / 69699.0 - T4 / 14712000.0,
            93.2720993 + 483202.0175273 * T - 0.0034029 * T2 - T3 / 3526000.0 + T4 / 863310000.0,
            119.75 + 131.849 * T,
            53.09 + 479264.29 * T,
            313.45 + 481266.484 * T,
            1.0 - 0.002516 * T - 0.0000074 * T2};
}

double Eccentricity(int multipleOfM, double E) { return std::pow(E, std::abs(multipleOfM)); }

template <typename Term>
double ArgumentOf(const Term& term, const TArguments& a)
{
    return term.D * a.D + term.M * a.M + term.MPrime * a.MPrime + term.F * a.F;
}

TSkyPosition PlainMoonPosition(TDateTime t)
{
    const TArguments a = ArgumentsAt((DateTimeToJulian(t) - J2000JD) / DaysPerJulianCentury);
    double sumL = 0.0;
    double sumR = 0.0;
    for (const TMoonLongitudeDistanceTerm& term : MoonLongitudeDistanceTerms) {
        sumL += Eccentricity(term.M, a.E) * term.SinL * SinDeg(ArgumentOf(term, a));
        sumR += Eccentricity(term.M, a.E) * term.CosR * CosDeg(ArgumentOf(term, a));
    }
    double sumB = 0.0;
    for (const TMoonLatitudeTerm& term : MoonLatitudeTerms)
        sumB += Eccentricity(term.M, a.E) * term.SinB * SinDeg(ArgumentOf(term, a));
    sumL += 3958.0 * SinDeg(a.A1) + 1962.0 * SinDeg(a.LPrime - a.F) + 318.0 * SinDeg(a.A2);
    sumB += -2235.0 * SinDeg(a.LPrime) + 382.0 * SinDeg(a.A3) + 175.0 * SinDeg(a.A1 - a.F) +
            175.0 * SinDeg(a.A1 + a.F) + 127.0 * SinDeg(a.LPrime - a.MPrime) - 115.0 * SinDeg(a.LPrime + a.MPrime);
    TSkyPosition pos{};
    pos.Longitude = a.LPrime + sumL / 1e6;
    pos.Latitude = sumB / 1e6;
    pos.Distance = 385000.56 + sumR / 1000.0;
    EclipticToEquatorial(pos, t);
    return pos;
}

double AngleApart(double a, double b) { return std::fabs(std::remainder(a - b, 360.0)); }

TEST(MoonSeriesReference, FastSumAgreesWithThePlainOneOverTheWholeRange)
{
    constexpr int Instants = 10000;
    constexpr double Tolerance = 0.001 / ArcsecondsPerDegree;
    const double step = (LastAlgorithmInstant - FirstAlgorithmInstant) / Instants;
    double worstAngle = 0.0;
    double worstDistance = 0.0;
    for (int i = 0; i < Instants; ++i) {
        // An irregular fraction of a step, so that the instants fall at every phase.
        const TDateTime t = FirstAlgorithmInstant + step * (i + std::fmod(0.618034 * i, 1.0));
        const TSkyPosition fast = MoonPosition(t);
        const TSkyPosition plain = PlainMoonPosition(t);
        worstAngle = std::max(
            {worstAngle, AngleApart(fast.Longitude, plain.Longitude), std::fabs(fast.Latitude - plain.Latitude),
             AngleApart(fast.RightAscension, plain.RightAscension), std::fabs(fast.Declination - plain.Declination)});
        worstDistance = std::max(worstDistance, std::fabs(fast.Distance - plain.Distance));
    }
    EXPECT_LT(worstAngle, Tolerance);
    EXPECT_LT(worstDistance, 1e-6);
    RecordProperty("worst_arcsec", std::to_string(worstAngle * ArcsecondsPerDegree));
}

}  // namespace
}  // namespace astro
