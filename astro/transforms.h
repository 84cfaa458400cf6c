#pragma once
// From ecliptic to equatorial and from equatorial to horizontal coordinates.
// Range: instants FirstAlgorithmInstant..LastAlgorithmInstant (years -4000..14000, see
// instantrange.h); a NaN, an infinity or an instant outside raises E_OutOfAlgorithmRange
// "Out of range of the algorithm".
// The position's angles and the observer's longitude must lie within +-LargestAngle and the
// latitude within -90..90, else the same failure.

#include "astro/skyposition.h"
#include "astro/types.h"

namespace astro {

// Adds the nutation in longitude to pos.Longitude (result in [0, 360)) and fills
// pos.RightAscension ((-90, 270), degrees) and pos.Declination (degrees) from it and
// pos.Latitude, using the true obliquity at the instant t (TDateTime, dynamical time).
// Reference: Meeus, Astronomical Algorithms, 2nd ed., eq. 13.3 and 13.4.
// Checked: the sun at 1992-10-13 0h (Meeus example 25.a), RA and declination within 0.0003 deg.
void EclipticToEquatorial(TSkyPosition& pos, TDateTime t);

// Returns the ecliptic longitude (degrees) with the nutation in longitude at the instant t
// added, in [0, 360): the longitude EclipticToEquatorial leaves in pos.Longitude.
double ApparentLongitude(double longitude, TDateTime t);

// Fills pos.Elevation (degrees, no refraction, no parallax) and pos.Azimuth (degrees from the
// south, positive towards the west, (-90, 270)) from pos.RightAscension and pos.Declination,
// for an observer at longitude L (degrees, positive west) and latitude phi (degrees, positive
// north) at the instant t (TDateTime). Declinations of +-90 degrees are not supported.
// Reference: Meeus, Astronomical Algorithms, 2nd ed., eq. 13.5 and 13.6.
// Checked: Meeus example 13.b (Venus from Washington, 1987-04-10 19:21 UT) within 0.001 deg.
void EquatorialToHorizontal(TSkyPosition& pos, TDateTime t, double L, double phi);

}  // namespace astro
