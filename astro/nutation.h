#pragma once
// Nutation in longitude and the obliquity of the ecliptic (IAU 1980 theory, 31 terms).
// Range: instants FirstAlgorithmInstant..LastAlgorithmInstant (years -4000..14000, see
// instantrange.h); a NaN, an infinity or an instant outside raises E_OutOfAlgorithmRange
// "Out of range of the algorithm".

#include "astro/types.h"

namespace astro {

// Nutation in longitude and true obliquity of the ecliptic, both in degrees.
struct TNutation {
    double DeltaPsi;
    double Epsilon;
};

// Returns the mean obliquity of the ecliptic (degrees) at the instant t (TDateTime, read as
// dynamical time). Reference: Meeus, Astronomical Algorithms, 2nd ed., eq. 22.2 (IAU).
// At J2000.0 it is 23.4392911 degrees.
double MeanObliquity(TDateTime t);

// Returns the nutation in longitude (delta psi) and the true obliquity of the ecliptic, in
// degrees, at the instant t (TDateTime, read as dynamical time), from the 31 largest terms of
// the IAU 1980 series. Reference: Meeus, Astronomical Algorithms, 2nd ed., chapter 22.
// Checked: 1987-04-10 0h against Meeus example 22.a: delta psi -3.788", delta epsilon
// +9.443", true obliquity 23d26'36.850", each within 0.01".
TNutation Nutation(TDateTime t);

}  // namespace astro
