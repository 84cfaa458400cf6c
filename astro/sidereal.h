#pragma once
// Apparent sidereal time at Greenwich.
// Range: instants FirstAlgorithmInstant..LastAlgorithmInstant (years -4000..14000, see
// instantrange.h); a NaN, an infinity or an instant outside raises E_OutOfAlgorithmRange
// "Out of range of the algorithm".

#include "astro/types.h"

namespace astro {

// Returns the apparent sidereal time at Greenwich in degrees, [0, 360), at the instant t
// (TDateTime; the same instant serves as universal and dynamical time): the IAU 1982 mean
// sidereal time plus the equation of the equinoxes from Nutation.
// Reference: Meeus, Astronomical Algorithms, 2nd ed., chapter 12 (eq. 12.4).
// Checked: 1987-04-10 0h against Meeus example 12.a, 13h10m46.1351s within 0.002 s.
double SiderealTime(TDateTime t);

}  // namespace astro
