#pragma once
// The sun's apparent position from the VSOP87D earth series.
// Range: instants FirstAlgorithmInstant..LastAlgorithmInstant (years -4000..14000, see
// instantrange.h); a NaN, an infinity or an instant outside raises E_OutOfAlgorithmRange
// "Out of range of the algorithm".
// Observer: latitude -90..90 and a longitude within +-LargestAngle, else the same failure.

#include "astro/angles.h"
#include "astro/skyposition.h"
#include "astro/types.h"
#include "astro/vsop.h"

namespace astro {

// Heliocentric position: longitude (degrees, [0, 360)), latitude (degrees), radius vector (AU).
struct THeliocentricPosition {
    double Longitude;
    double Latitude;
    double Radius;
};

// Elevation (degrees above the horizon, no refraction) and azimuth (degrees from the south,
// positive towards the west, (-90, 270)).
struct THorizontalPosition {
    double Elevation;
    double Azimuth;
};

// Returns the heliocentric ecliptic position of the body whose series TEvaluator (a TVSOP)
// holds, at the instant t (TDateTime, dynamical time), in the FK5 frame, referred to the
// mean ecliptic and equinox of date.
// Reference: Meeus, Astronomical Algorithms, 2nd ed., chapter 32.
// Checked: the earth at 1992-10-13 0h (Meeus example 25.b): L within 0.0002 deg, R 1e-6 AU.
template <class TEvaluator = TVSOPEarth>
THeliocentricPosition EarthHeliocentric(TDateTime t)
{
    TEvaluator evaluator;
    evaluator.SetDate(t);
    const double R = evaluator.Radius();
    double L = evaluator.Longitude();
    double B = evaluator.Latitude();
    evaluator.ToFK5(L, B);
    return {Normalize360(RadiansToDegrees(L)), RadiansToDegrees(B), R};
}

// Returns the sun's apparent geocentric position at the instant t (TDateTime, dynamical
// time): Longitude (degrees, [0, 360), with nutation and aberration), Latitude (degrees),
// Distance (km), RightAscension (degrees, (-90, 270)) and Declination (degrees); the other
// fields are 0.
// Reference: Meeus, Astronomical Algorithms, 2nd ed., chapter 25 (full VSOP87 method).
// Checked: 1992-10-13 0h (Meeus example 25.b): longitude 199.9061 and declination -7.7838
// degrees within 0.0003 deg.
TSkyPosition SunPosition(TDateTime t);

// Returns SunPosition(t).Longitude, to the bit, without the equatorial coordinates: the
// searches for a solar longitude need nothing else.
double SunApparentLongitude(TDateTime t);

// Returns the sun's elevation and azimuth (degrees) at the instant t (TDateTime) for an
// observer at longitude L (degrees, positive west) and latitude phi (degrees, positive north).
THorizontalPosition SunHorizontal(TDateTime t, double L, double phi);

}  // namespace astro
