#pragma once
// The peaks of the major meteor showers (meteorshowers_table.h) in a year, and how a night of
// a peak looks from a place: the radiant's altitude when the sky is darkest and the moon's
// lit share then.
// Time scale: SunLongitudeJ2000 takes dynamical time; everything else takes and gives
// universal time (TDateTime), converted with Delta T (deltat.h).
// Range: instants FirstAlgorithmInstant..LastAlgorithmInstant (instantrange.h), else
// E_OutOfAlgorithmRange "Out of range of the algorithm".

#include "astro/meteorshowers_table.h"
#include "astro/types.h"

namespace astro {

// Returns the sun's apparent ecliptic longitude at t (dynamical time) referred to the mean
// equinox of J2000.0, the frame of the shower table (degrees, [0, 360)): SunPosition's
// longitude without the nutation, less the general precession in longitude since J2000.0.
// The ecliptic's own slow turn moves a point on it by less than 0.001" in a century, so the
// sun needs no more. Aberration is kept: the table's longitudes are where the sun is seen.
// Reference: Meeus, Astronomical Algorithms, 2nd ed., ch. 21 (eq. 21.6, p for T0 = J2000.0).
double SunLongitudeJ2000(TDateTime t);

// Returns the instant (universal time) in the Gregorian year at which SunLongitudeJ2000
// reaches the shower's SolarLongitude, to 1e-7 degrees (under 0.01 s).
// Failure: EConvertError "Invalid year" for a year outside 1..9999; E_OutOfAlgorithmRange
//          "Out of range of the algorithm" if the iteration does not converge.
// Method:  the solar-term iteration of seasons.h (Meeus ch. 27) on SunLongitudeJ2000.
TDateTime MeteorShowerPeak(const TMeteorShower& shower, int year);

// A night of a shower at one place.
struct TMeteorNight {
    // The sun's lower culmination in the night: its lowest point, to within minutes where its
    // declination changes fastest.
    TDateTime Darkest = 0;
    // Geometric altitude of the radiant then (degrees, no refraction); negative while it is
    // below the horizon.
    double RadiantAltitude = 0;
    // Of the moon's disc then, 0..1 (MoonIlluminatedFraction, phases.h).
    double MoonIlluminatedFraction = 0;
};

// The night [nightStart, nightEnd) (universal time: a place's local noon to the next) seen
// from latitude (degrees, north positive) and longitude (degrees, WEST positive). The darkest
// instant is the sun's lower culmination nearest the night's middle, kept within the night.
// The radiant is taken at its J2000.0 place: the precession since then is smaller than the
// radiant's own width.
// Failure: E_OutOfAlgorithmRange "Out of range of the algorithm" for instants outside the
//          range, a night that ends before it starts, a latitude beyond +-90 degrees or a
//          longitude beyond +-LargestAngle.
TMeteorNight MeteorShowerNight(const TMeteorShower& shower, TDateTime nightStart, TDateTime nightEnd, double latitude,
                               double longitude);

}  // namespace astro
