#include "astro/apparentplace.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/constants.h"
#include "astro/instantrange.h"
#include "astro/nutation.h"
#include "astro/sun.h"

namespace astro {

namespace {

// The constant of aberration (arc seconds).
constexpr double AberrationConstant = 20.49552;

double JulianCenturiesFromJ2000(TDateTime t) { return (t - J2000DateTime) / DaysPerJulianCentury; }

// The earth's orbital eccentricity and the longitude of its perihelion (degrees) at T
// centuries from J2000.0 (Meeus eq. 23.4 and the line below it).
double Eccentricity(double T) { return 0.016708634 - T * (0.000042037 + 0.0000001267 * T); }
double Perihelion(double T) { return 102.93735 + T * (1.71946 + 0.00046 * T); }

}  // namespace

TEquatorialPlace PrecessFromJ2000(const TEquatorialPlace& j2000, TDateTime t)
{
    CheckedInstant(t);
    CheckedAngle(j2000.RightAscension);
    CheckedLatitude(j2000.Declination);
    const double c = JulianCenturiesFromJ2000(t);
    // From the epoch J2000.0 itself the angles' terms in the starting epoch vanish.
    const double zeta = (2306.2181 * c + 0.30188 * c * c + 0.017998 * c * c * c) / ArcsecondsPerDegree;
    const double z = (2306.2181 * c + 1.09468 * c * c + 0.018203 * c * c * c) / ArcsecondsPerDegree;
    const double theta = (2004.3109 * c - 0.42665 * c * c - 0.041833 * c * c * c) / ArcsecondsPerDegree;

    const double alphaZeta = j2000.RightAscension + zeta;
    const double delta0 = j2000.Declination;
    const double A = CosDeg(delta0) * SinDeg(alphaZeta);
    const double B = CosDeg(theta) * CosDeg(delta0) * CosDeg(alphaZeta) - SinDeg(theta) * SinDeg(delta0);
    const double C = SinDeg(theta) * CosDeg(delta0) * CosDeg(alphaZeta) + CosDeg(theta) * SinDeg(delta0);
    // Near a pole the declination from its cosine keeps the precision its sine loses.
    const double equatorial = std::hypot(A, B);
    const double delta = std::fabs(C) > 0.99 ? std::copysign(ArcCosDeg(equatorial), C) : ArcSinDeg(C);
    return {Normalize360(ArcTan2Deg(A, B) + z), delta};
}

TEquatorialPlace ApparentPlace(const TEquatorialPlace& j2000, TDateTime t)
{
    const TEquatorialPlace mean = PrecessFromJ2000(j2000, t);
    const double alpha = mean.RightAscension;
    const double delta = mean.Declination;
    const TNutation nutation = Nutation(t);
    const double epsilon = nutation.Epsilon;
    const double deltaEpsilon = epsilon - MeanObliquity(t);
    const double deltaPsi = nutation.DeltaPsi;

    const double nutationAlpha = (CosDeg(epsilon) + SinDeg(epsilon) * SinDeg(alpha) * TanDeg(delta)) * deltaPsi -
                                 CosDeg(alpha) * TanDeg(delta) * deltaEpsilon;
    const double nutationDelta = SinDeg(epsilon) * CosDeg(alpha) * deltaPsi + SinDeg(alpha) * deltaEpsilon;

    // The sun's true (geometric) longitude: the earth's heliocentric one turned half a circle.
    const double sun = EarthHeliocentric<TVSOPEarth>(t).Longitude + 180.0;
    const double T = JulianCenturiesFromJ2000(t);
    const double e = Eccentricity(T);
    const double pi = Perihelion(T);
    const double kappa = AberrationConstant / ArcsecondsPerDegree;
    const double tilt = TanDeg(epsilon) * CosDeg(delta) - SinDeg(alpha) * SinDeg(delta);
    const double aberrationAlpha =
        (-kappa * (CosDeg(alpha) * CosDeg(sun) * CosDeg(epsilon) + SinDeg(alpha) * SinDeg(sun)) +
         e * kappa * (CosDeg(alpha) * CosDeg(pi) * CosDeg(epsilon) + SinDeg(alpha) * SinDeg(pi))) /
        CosDeg(delta);
    const double aberrationDelta =
        -kappa * (CosDeg(sun) * CosDeg(epsilon) * tilt + CosDeg(alpha) * SinDeg(delta) * SinDeg(sun)) +
        e * kappa * (CosDeg(pi) * CosDeg(epsilon) * tilt + CosDeg(alpha) * SinDeg(delta) * SinDeg(pi));

    return {Normalize360(alpha + nutationAlpha + aberrationAlpha), delta + nutationDelta + aberrationDelta};
}

}  // namespace astro
