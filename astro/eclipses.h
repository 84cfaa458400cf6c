#pragma once
// Solar and lunar eclipses from the mean phases of the moon and a short series of periodic
// terms: whether a new moon (full moon) brings an eclipse, its type and the instant of
// greatest eclipse.
// Time scale: every instant taken or returned is universal time (TDateTime, see types.h),
// converted with Delta T (deltat.h) from the dynamical time of the series; only
// EclipseOfLunationDynamical takes and gives dynamical time.
// Range: instants FirstAlgorithmInstant..LastAlgorithmInstant (years -4000..14000, see
// instantrange.h); a NaN, an infinity or an instant outside raises E_OutOfAlgorithmRange
// "Out of range of the algorithm".

#include <cstdint>

#include "astro/types.h"

namespace astro {

// Type of an eclipse. Solar eclipses use ecNone..ecTotal; lunar eclipses ecNone, ecPartial,
// ecTotal and ecPenumbral.
enum TEclipse : std::uint8_t {
    ecNone = 0,
    ecPartial = 1,
    ecNonCentral = 2,
    ecAnnular = 3,
    ecAnnularTotal = 4,
    ecTotal = 5,
    ecPenumbral = 6,
};

// Classifies the new moon (sun = true) or the full moon (sun = false) of the lunation that
// PhaseArgumentsDynamical selects for tt (the lunation whose mean new moon is nearest
// tt + 5 days).
// Returns: the eclipse type, ecNone when there is none.
// tt:      in: TDateTime, dynamical time. out: the instant of greatest eclipse, or the
//          uncorrected mean phase when the moon is too far from a node (|sin F| > 0.36),
//          dynamical time.
// Reference: Meeus, Astronomical Algorithms, 2nd ed., ch. 54 (instant within a few minutes).
// Checked: Meeus examples 54.a (1993-05-21, partial solar, JDE 2449129.0979) and 54.b
//          (1973-06-15, penumbral lunar, JDE 2441849.3687) within 0.0002 day.
TEclipse EclipseOfLunationDynamical(TDateTime& tt, bool sun);

// EclipseOfLunationDynamical in universal time: date is universal time in and out.
TEclipse EclipseOfLunation(TDateTime& date, bool sun);

// Examines the new moons (sun = true) or the full moons (sun = false) one after the other
// and stops at the first whose instant is not earlier than date.
// Returns: that lunation's eclipse type, ecNone when it brings none.
// date:    in: TDateTime, universal time. out: the instant EclipseOfLunation gave for it.
// To find the next eclipse after x, start with date = x and, while the result is ecNone,
// add 28 days to date and call again.
// Checked: the search from 20 days before each lunar eclipse 2000..2030 of the published
//          canon stops at its full moon, greatest eclipse (universal time) within 3 minutes,
//          and gives the canon's type except at the limits of the method: 2015-04-04 (umbral
//          magnitude 1.001) partial, the grazing penumbral 2016-08-18 and 2027-07-18 none.
TEclipse FindEclipseAfter(TDateTime& date, bool sun);

// Solar and lunar eclipses come in seasons about six lunations apart; a search that finds none
// in this many steps of 28 days has met a fault of the method, not a quiet stretch of sky.
inline constexpr int NextEclipseStepLimit = 40;

// The first solar (sun = true) or lunar (sun = false) eclipse at or after date: FindEclipseAfter
// from date, and again 28 days on while it finds none.
// Returns: the eclipse type, never ecNone.
// date:    in: TDateTime, universal time. out: the instant of greatest eclipse, universal
//          time.
// Failure: E_OutOfAlgorithmRange when NextEclipseStepLimit steps find none (a date that is not
//          a number).
// Checked: the total solar eclipse of 2024-04-08, greatest eclipse 18:17:16 UT in the
//          published canon, at 18:17:40; the other solar and lunar eclipses of 2023..2025
//          within 68 s of the canon's minute.
TEclipse NextEclipse(TDateTime& date, bool sun);

}  // namespace astro
