#include "astro/moon_position.h"
#include "astro/instantrange.h"

#include <initializer_list>

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/constants.h"
#include "astro/moon_terms.h"
#include "astro/rotations.h"
#include "astro/sidereal.h"
#include "astro/transforms.h"

namespace astro {

namespace {

// Mean distance of the moon's centre (km), the constant part of the distance series.
constexpr double MoonMeanDistanceKm = 385000.56;

// Units of the series' integer coefficients: 1e-6 degree and 0.001 km.
constexpr double MicrodegreesPerDegree = 1e6;
constexpr double MetresPerKilometre = 1000.0;

// The square of the polar-to-equatorial axis ratio of the reference ellipsoid (b/a)^2, and b/a
// itself.
constexpr double EarthAxisRatioSquared = 0.99330562133489609997;
constexpr double EarthAxisRatio = 0.99664719;

// The sun's equatorial horizontal parallax at 1 AU (arc seconds).
constexpr double SolarParallaxArcsec = 8.794;

struct TLunarArguments {
    double LPrime;  // moon's mean longitude
    double D;       // mean elongation
    double M;       // sun's mean anomaly
    double MPrime;  // moon's mean anomaly
    double F;       // argument of latitude
    double A1;      // Venus
    double A2;      // Jupiter
    double A3;      // flattening of the earth
    double E;       // eccentricity factor of the earth's orbit
};

TLunarArguments LunarArguments(double T)
{
    const double T2 = T * T;
    const double T3 = T2 * T;
    const double T4 = T3 * T;
    TLunarArguments a{};
    a.LPrime = 218.3164591 + 481267.88134236 * T - 0.0013268 * T2 + T3 / 538841.0 - T4 / 65194000.0;
    a.D = 297.8502042 + 445267.1115168 * T - 0.00163 * T2 + T3 / 545868.0 - T4 / 113065000.0;
    a.M = 357.5291092 + 35999.0502909 * T - 0.0001536 * T2 + T3 / 24490000.0;
    a.MPrime = 134.9634114 + 477198.8676313 * T + 0.008997 * T2 + T3 / 69699.0 - T4 / 14712000.0;
    a.F = 93.2720993 + 483202.0175273 * T - 0.0034029 * T2 - T3 / 3526000.0 + T4 / 863310000.0;
    a.A1 = 119.75 + 131.849 * T;
    a.A2 = 53.09 + 479264.29 * T;
    a.A3 = 313.45 + 481266.484 * T;
    a.E = 1.0 - 0.002516 * T - 0.0000074 * T2;
    return a;
}

// The tables' largest multiples of D, M, M' and F.
constexpr int LargestMultiple = 4;

template <typename Term>
constexpr bool MultiplesWithinRange(const Term& term)
{
    for (const int multiple : {term.D, term.M, term.MPrime, term.F})
        if (multiple < -LargestMultiple || multiple > LargestMultiple)
            return false;
    return true;
}

constexpr bool TablesWithinRange()
{
    for (const TMoonLongitudeDistanceTerm& term : MoonLongitudeDistanceTerms)
        if (!MultiplesWithinRange(term) || term.M < -2 || term.M > 2)
            return false;
    for (const TMoonLatitudeTerm& term : MoonLatitudeTerms)
        if (!MultiplesWithinRange(term) || term.M < -2 || term.M > 2)
            return false;
    return true;
}
static_assert(TablesWithinRange());

using TArgumentMultiples = TMultiples<LargestMultiple>;

// Every term's sine and cosine from the multiples of the four arguments, each reduced once.
struct TLunarRotations {
    explicit TLunarRotations(const TLunarArguments& a)
        : D(DegreesToRadians(Normalize360(a.D))),
          M(DegreesToRadians(Normalize360(a.M))),
          MPrime(DegreesToRadians(Normalize360(a.MPrime))),
          F(DegreesToRadians(Normalize360(a.F))),
          EccentricityFactors{1.0, a.E, a.E * a.E}
    {}

    template <typename Term>
    TRotation Argument(const Term& term) const
    {
        return D[term.D] * M[term.M] * MPrime[term.MPrime] * F[term.F];
    }

    // Terms with the sun's anomaly shrink with the earth's orbital eccentricity: E for M, E^2
    // for 2M.
    template <typename Term>
    double EccentricityFactor(const Term& term) const
    {
        return EccentricityFactors[term.M < 0 ? -term.M : term.M];
    }

    TArgumentMultiples D, M, MPrime, F;
    double EccentricityFactors[3];
};

}  // namespace

TSkyPosition MoonPosition(TDateTime t)
{
    const double T = (DateTimeToJulian(CheckedInstant(t)) - J2000JD) / DaysPerJulianCentury;
    const TLunarArguments a = LunarArguments(T);
    const TLunarRotations rotations(a);

    double sumL = 0.0;
    double sumR = 0.0;
    for (const TMoonLongitudeDistanceTerm& term : MoonLongitudeDistanceTerms) {
        const TRotation argument = rotations.Argument(term);
        const double factor = rotations.EccentricityFactor(term);
        sumL += factor * term.SinL * argument.Sin;
        sumR += factor * term.CosR * argument.Cos;
    }
    double sumB = 0.0;
    for (const TMoonLatitudeTerm& term : MoonLatitudeTerms)
        sumB += rotations.EccentricityFactor(term) * term.SinB * rotations.Argument(term).Sin;

    sumL += 3958.0 * SinDeg(a.A1) + 1962.0 * SinDeg(a.LPrime - a.F) + 318.0 * SinDeg(a.A2);
    sumB += -2235.0 * SinDeg(a.LPrime) + 382.0 * SinDeg(a.A3) + 175.0 * SinDeg(a.A1 - a.F) +
            175.0 * SinDeg(a.A1 + a.F) + 127.0 * SinDeg(a.LPrime - a.MPrime) - 115.0 * SinDeg(a.LPrime + a.MPrime);

    TSkyPosition pos{};
    pos.Longitude = a.LPrime + sumL / MicrodegreesPerDegree;
    pos.Latitude = sumB / MicrodegreesPerDegree;
    pos.Distance = MoonMeanDistanceKm + sumR / MetresPerKilometre;
    EclipticToEquatorial(pos, t);
    return pos;
}

void TopocentricCorrection(TSkyPosition& pos, TDateTime t, double latitude, double longitude, double height)
{
    CheckedLatitude(latitude);
    CheckedLongitude(longitude);
    CheckedFinite(height);
    CheckedAngle(pos.RightAscension);
    CheckedAngle(pos.Declination);
    const double u = ArcTanDeg(EarthAxisRatioSquared * TanDeg(latitude));
    const double heightRatio = height / EarthEquatorialRadiusM;
    const double rhoSinPhi = EarthAxisRatio * SinDeg(u) + heightRatio * SinDeg(latitude);
    const double rhoCosPhi = CosDeg(u) + heightRatio * CosDeg(latitude);

    const double distanceAU = MoonPosition(t).Distance / AU_KM;
    const double parallax = ArcSinDeg(SinDeg(SolarParallaxArcsec / ArcsecondsPerDegree) / distanceAU);
    pos.Parallax = parallax;

    const double H = SiderealTime(t) - longitude - pos.RightAscension;
    const double delta = pos.Declination;
    const double sinParallax = SinDeg(parallax);
    const double denominator = CosDeg(delta) - rhoCosPhi * sinParallax * CosDeg(H);
    const double deltaAlpha = ArcTanDeg(-rhoCosPhi * sinParallax * SinDeg(H) / denominator);
    pos.RightAscension += deltaAlpha;
    pos.Declination = ArcTanDeg((SinDeg(delta) - rhoSinPhi * sinParallax) * CosDeg(deltaAlpha) / denominator);
}

}  // namespace astro
