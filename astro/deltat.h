#pragma once
// Delta T, the difference TT - UT between dynamical time (the time of the ephemerides: the
// sun, the moon, the phase and eclipse series) and universal time (the time of the clock and
// of the earth's rotation), and the conversions between the two scales.
// Range: instants FirstAlgorithmInstant..LastAlgorithmInstant (years -4000..14000, see
// instantrange.h); a NaN, an infinity or an instant outside raises E_OutOfAlgorithmRange
// "Out of range of the algorithm".

#include "astro/types.h"

namespace astro {

// Returns Delta T = TT - UT (seconds) at the instant ut.
// ut:      TDateTime, universal time. The decimal year of the polynomials is counted on the
//          mean Gregorian year from 2000-01-01 0h, not from the month as year + (month - 0.5)
//          / 12: a continuous year gives a Delta T without steps between months, which the
//          inverse below needs. The two readings differ by at most 0.6 s of Delta T in years
//          1..3000 (0.16 s in 1600..2150), and by under 3 s before year 1, where the Julian
//          calendar drifts from the mean year and Delta T is uncertain by hours.
// Failure: E_OutOfAlgorithmRange as above.
// Reference: F. Espenak and J. Meeus, Five Millennium Canon of Solar Eclipses: -1999 to
//          +3000, NASA/TP-2006-214141 (2006), its polynomials for -500..2150; before
//          and after them the long-term parabola -20 + 32 u^2 s, u = (year - 1820) / 100, of
//          Morrison and Stephenson (2004).
// Checked: the canon's table of observed values 1900..2005 within 0.1 s, 1600..1850 and
//          -500..1500 within the table's own uncertainty; adjacent polynomials meet within
//          0.26 s at every boundary. Since about 2010 the canon's extrapolation runs ahead of
//          the observed earth: 0.6 s in 2010, 2.2 s in 2020, 4.8 s in 2024 (74.0 s against
//          the observed 69.2 s).
double DeltaTSeconds(TDateTime ut);

// Returns the instant ut (universal time) on the dynamical scale: ut + Delta T.
// Failure: E_OutOfAlgorithmRange as above.
TDateTime DynamicalFromUniversal(TDateTime ut);

// Returns the instant tt (dynamical time) in universal time: the ut with
// ut + Delta T(ut) = tt, by a fixed number of substitutions.
// Failure: E_OutOfAlgorithmRange as above.
// Checked: both round trips, UT -> TT -> UT and TT -> UT -> TT, within 0.05 ms (the rounding
//          of instants millions of days from 1899) over years -4000..14000, except within
//          the steps of up to 0.26 s where two polynomials meet: there one dynamical instant
//          has two universal ones or none, and the result is one of them or lies within the
//          step.
TDateTime UniversalFromDynamical(TDateTime tt);

}  // namespace astro
