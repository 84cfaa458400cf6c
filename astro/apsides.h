#pragma once
// Perigee and apogee of the moon, perihelion and aphelion of the earth.
// Time scale: every instant taken or returned is universal time (TDateTime, see types.h),
// converted with Delta T (deltat.h) from the dynamical time of the series; the functions
// named ...Dynamical take and give dynamical time.
// Range: instants FirstAlgorithmInstant..LastAlgorithmInstant (years -4000..14000, see
// instantrange.h); a NaN, an infinity or an instant outside raises E_OutOfAlgorithmRange
// "Out of range of the algorithm".
// The searches may also end at that failure when the instant they reach lies outside.

#include "astro/types.h"

namespace astro {

// Perigee (apogee = false) or apogee (apogee = true) of the anomalistic cycle selected by
// tt: k is the integer nearest to ((tt - 1999-01-01) / 365.25 - 0.97) * 13.2555, plus 0.5
// for an apogee.
// Returns: TDateTime (dynamical time) of the true perigee or apogee (mean instant plus 60
//          resp. 32 periodic terms); the selected cycle can lie up to about a month from tt.
// tt:      TDateTime, dynamical time.
// Reference: Meeus, Astronomical Algorithms, 2nd ed., ch. 50 (error a few minutes at most).
// Checked: Meeus example 50.a, apogee 1988-10-07 20:30 TT (JD 2447442.3543).
TDateTime PerigeeApogeeInstantDynamical(bool apogee, TDateTime tt);

// PerigeeApogeeInstantDynamical in universal time: date and the result are universal time.
TDateTime PerigeeApogeeInstant(bool apogee, TDateTime date);

// First perigee resp. apogee at or after date (date itself when it is one).
TDateTime PerigeeAfter(TDateTime date);
TDateTime ApogeeAfter(TDateTime date);

// Perihelion (aphelion = false) or aphelion (aphelion = true) of the year selected by tt,
// on the mean orbit: k is the integer nearest to ((tt - 2000-01-01) / 365.25 - 0.01)
// * 0.99997, plus 0.5 for an aphelion.
// Returns: TDateTime (dynamical time) of the mean-orbit instant; no periodic correction, so
//          it can differ from the true perihelion or aphelion (moved by the moon) by a day or
//          more.
// tt:      TDateTime, dynamical time.
// Reference: Meeus, Astronomical Algorithms, 2nd ed., ch. 38 (mean-orbit formula).
TDateTime PerihelionAphelionInstantDynamical(bool aphelion, TDateTime tt);

// PerihelionAphelionInstantDynamical in universal time: date and the result are universal
// time.
TDateTime PerihelionAphelionInstant(bool aphelion, TDateTime date);

// First perihelion resp. aphelion at or after date.
TDateTime PerihelionAfter(TDateTime date);
TDateTime AphelionAfter(TDateTime date);

}  // namespace astro
