#pragma once
// From a star's catalogue place (mean equator and equinox of J2000.0) to its apparent place
// of a date: precession to the mean equator of date, then nutation and the annual aberration,
// as the sun and the moon receive them. Angles in degrees; instants TDateTime read as
// dynamical time (universal time may be handed in: a star moves 0.0008" in a minute of
// precession).
// Range: instants FirstAlgorithmInstant..LastAlgorithmInstant (instantrange.h); a NaN, an
// infinity or an instant outside raises E_OutOfAlgorithmRange "Out of range of the
// algorithm". Right ascensions within +-LargestAngle and declinations within -90..90, else
// the same failure.

#include "astro/moontrack.h"
#include "astro/types.h"

namespace astro {

// The place of a star for the mean equator and equinox of t, from the place for J2000.0.
// Returns: right ascension in [0, 360), declination in -90..90 (degrees).
// Method:  the rigorous rotation by zeta, z and theta of J2000.0 (Lieske's angles).
// Reference: Meeus, Astronomical Algorithms, 2nd ed., ch. 21 (eq. 21.2 to 21.4).
// Checked: theta Persei to 2028-11-13.19 TD (Meeus example 21.b): 2h46m11.331s,
//          +49d20'54.54" within 0.002 s and 0.02".
TEquatorialPlace PrecessFromJ2000(const TEquatorialPlace& j2000, TDateTime t);

// The apparent place at t of a star whose J2000.0 place is j2000: PrecessFromJ2000, then
// the nutation (Nutation, nutation.h: the 31-term series) and the annual aberration with the
// sun's true longitude from the VSOP87 earth and the eccentricity and perihelion of the
// earth's orbit. Proper motion is the caller's.
// Returns: right ascension in [0, 360), declination in -90..90 (degrees).
// Reference: Meeus, Astronomical Algorithms, 2nd ed., ch. 23 (eq. 23.1 and 23.3).
// Checked: theta Persei at 2028-11-13.19 TD (Meeus example 23.a): 2h46m14.390s,
//          +49d21'07.45" within 0.01 s and 0.1".
TEquatorialPlace ApparentPlace(const TEquatorialPlace& j2000, TDateTime t);

}  // namespace astro
