#pragma once
// Apparent geocentric position of the moon and its topocentric correction.
// Range: instants FirstAlgorithmInstant..LastAlgorithmInstant (years -4000..14000, see
// instantrange.h); a NaN, an infinity or an instant outside raises E_OutOfAlgorithmRange
// "Out of range of the algorithm".
// Observer: latitude -90..90, longitude within +-LargestAngle and a finite height, else the
// same failure.

#include "astro/skyposition.h"
#include "astro/types.h"

namespace astro {

// Apparent geocentric position of the moon from the 60 + 60 largest periodic terms of
// ELP-2000/82 plus the additive terms of Venus, Jupiter and the earth's flattening.
// Returns: Longitude (apparent, nutation included, [0, 360)) and Latitude in degrees,
//          Distance centre to centre in km, RightAscension ((-90, 270)) and Declination in
//          degrees; Parallax, Elevation and Azimuth are 0.
// t:       TDateTime, linear scale, read as dynamical time.
// Reference: Meeus, Astronomical Algorithms, 2nd ed., ch. 47.
// Checked: Meeus example 47.a (1992-04-12 0h TD) within 0.00001 degree and 0.02 km; two
//          published perigees (2011, 2016) within 3 km; years 1..9999: distance 356600 to
//          406700 km, latitude within 5.3 degrees.
TSkyPosition MoonPosition(TDateTime t);

// Moves pos.RightAscension and pos.Declination (as MoonPosition gives them for t) to those
// seen by an observer, and stores the moon's equatorial horizontal parallax in pos.Parallax.
// latitude:  geographic latitude (degrees, north positive).
// longitude: geographic longitude (degrees, positive west of Greenwich).
// height:    metres above sea level.
// pos.Distance is not read: the parallax follows the moon's distance at t.
// Both corrections come from one-argument arctangents and stay within +-90 degrees.
// Reference: Meeus, Astronomical Algorithms, 2nd ed., ch. 11 and 40 (eq. 40.2, 40.3); the
//            observer's reduced latitude is taken from (b/a)^2 tan(latitude).
// Checked: against the difference of the moon's and the observer's vectors for six
//          observers (equator to pole, 0 to 2800 m): within 0.0016 degree.
void TopocentricCorrection(TSkyPosition& pos, TDateTime t, double latitude, double longitude, double height);

}  // namespace astro
