#pragma once
// The centre of the Milky Way, the core photographers aim at: its catalogue place and its
// apparent place of a date.

#include "astro/moontrack.h"
#include "astro/types.h"

namespace astro {

// The galactic centre (Sagittarius A*) for the mean equator and equinox of J2000.0:
// 17h 45m 40.04s, -29d 00' 28.1" (degrees).
inline constexpr TEquatorialPlace GalacticCentreJ2000 = {
    (17.0 + 45.0 / 60.0 + 40.04 / 3600.0) * 15.0,
    -(29.0 + 0.0 / 60.0 + 28.1 / 3600.0),
};

// The galactic centre's apparent place at t (TDateTime, read as dynamical time; universal
// time may be handed in): ApparentPlace (apparentplace.h) of GalacticCentreJ2000.
// Failure: as ApparentPlace.
TEquatorialPlace GalacticCentrePosition(TDateTime t);

}  // namespace astro
