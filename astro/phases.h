#pragma once
// The moon's phase cycle: instants of the eight phases, the last and next instant of a phase
// around a date, lunation numbers, blue moons, and the instantaneous age, phase angle,
// illuminated fraction, distances and apparent diameters of moon and sun.
// All instants are TDateTime on the library's linear scale; a phase instant computed in
// dynamical time is returned unchanged (no UT/TT correction).

#include <cstdint>

#include "astro/types.h"

namespace astro {

// The eight phases in cycle order. The even values are the principal phases; an odd value p
// is the instant at which the moon's age equals p/8 of SynodicMonth.
enum TMoonPhase : std::uint8_t {
    mpNew = 0,
    mpWaxingCrescent = 1,
    mpFirstQuarter = 2,
    mpWaxingGibbous = 3,
    mpFull = 4,
    mpWaningGibbous = 5,
    mpLastQuarter = 6,
    mpWaningCrescent = 7,
};

// Mean length of the lunation (days).
inline constexpr double SynodicMonth = 29.530589;

// The mean phase of one lunation and the arguments of its periodic terms. Angles in degrees,
// not reduced (the degree sine and cosine reduce them).
struct TPhaseArguments {
    double MeanJDE;      // Julian date of the mean phase (dynamical time)
    double K;            // lunation count since the new moon of 2000-01-06, a multiple of 1/8
    double E;            // eccentricity factor of the earth's orbit
    double Omega;        // longitude of the moon's ascending node
    double F;            // moon's argument of latitude
    double MoonAnomaly;  // moon's mean anomaly M'
    double SunAnomaly;   // sun's mean anomaly M
};

// Mean phase arguments of the lunation nearest to date.
// Returns: the arguments for K = N + ordinal(phase)/8, N the lunation number (since
//          2000-01-06) nearest to (date - 2000-01-01) in mean lunations, ties to even.
//          E is taken for the date itself, not for the lunation.
// phase:   any TMoonPhase (odd values give the mean octant).
// date:    TDateTime, linear scale.
// Reference: Meeus, Astronomical Algorithms, 2nd ed., ch. 49.
TPhaseArguments PhaseArguments(TMoonPhase phase, TDateTime date);

// Instant of a principal phase (new, first quarter, full, last quarter) in the lunation that
// PhaseArguments selects for date.
// Returns: TDateTime of the true phase (dynamical time used as the linear scale).
// Failure: E_OutOfAlgorithmRange "Invalid TMoonPhase" for an odd or out-of-range phase.
// Reference: Meeus, Astronomical Algorithms, 2nd ed., ch. 49 (periodic and planetary terms).
// Checked: Meeus example 49.a (1977-02-18 03:37:42 TD) and published phases 1977, 2024, 2044;
//          agrees within 2 s.
TDateTime PrincipalPhaseInstant(TMoonPhase phase, TDateTime date);

// Instant at which the moon's age equals ordinal(phase)/8 of SynodicMonth, found by iteration
// from date: to the nearest such instant when it lies up to half a month before date, else
// forwards (so a waning crescent asked for one day after new moon lies about 24.8 days later).
// Returns: TDateTime, converged to 1e-7 days of age.
// Failure: E_OutOfAlgorithmRange "Invalid TMoonPhase" for a principal phase or one above 7;
//          E_OutOfAlgorithmRange "No TDateTime possible" when the iteration fails to
//          converge (only far outside years 1..9999 or for a non-finite date).
TDateTime OctantPhaseInstant(TMoonPhase phase, TDateTime date);

// Instant of any phase near date: octants through OctantPhaseInstant, principal phases
// through PrincipalPhaseInstant.
// Returns: TDateTime, or 0 for a phase ordinal above 7.
TDateTime PhaseInstant(TMoonPhase phase, TDateTime date);

// Last instant of phase at or before date. An instant that coincides with date (within
// PhaseCoincidenceDays) is date itself, so PhaseBefore(p, PhaseAfter(p, x)) returns
// PhaseAfter(p, x).
// Failure: E_OutOfAlgorithmRange "No TDateTime possible" for a phase ordinal above 7 or a
//          date where no instant can be found (far outside years 1..9999, non-finite).
// Checked: every phase for 1000 dates over years 1..9999 (round trip with PhaseAfter).
TDateTime PhaseBefore(TMoonPhase phase, TDateTime date);

// First instant of phase at or after date; the mirror of PhaseBefore.
TDateTime PhaseAfter(TMoonPhase phase, TDateTime date);

// Two computed instants of one phase closer than this (days, about 0.09 s) are the same
// instant: the periodic terms depend slightly on the date they are evaluated from, and the
// octant iteration on its starting point.
inline constexpr double PhaseCoincidenceDays = 1e-6;

// First full moon at or after date that is the second full moon of its calendar month
// (calendar dates of the linear scale, historical calendar).
// Failure: EConvertError from the calendar for dates before year 1 or after 9999.
TDateTime BlueMoonAfter(TDateTime date);

// True when the full moon of lunation n (numbered as LunationOf) is a blue moon.
bool IsBlueMoonLunation(int n);

// Lunation number of the last new moon at or before date; the lunation that began with the
// new moon of 1923-01-17 02:41 is number 1.
int LunationOf(TDateTime date);

// Age of the moon (days) from the difference of the apparent longitudes of moon and sun,
// scaled to SynodicMonth: 0 <= age < 29.530589.
double MoonAgeDays(TDateTime date);

// Phase angle of the moon (degrees) in [-180, 180]: about 180 in magnitude at new moon,
// 90 at first quarter, 0 at full moon; positive while waxing, negative while waning.
// Reference: Meeus, Astronomical Algorithms, 2nd ed., ch. 48 (eq. 48.2, 48.3).
double MoonPhaseAngle(TDateTime date);

// Illuminated fraction of the moon's disc, 0..1, from MoonPhaseAngle.
double MoonIlluminatedFraction(TDateTime date);

// Earth-sun distance (astronomical units).
double SunDistanceAU(TDateTime date);

// Earth-moon distance, centre to centre (kilometres).
double MoonDistanceKm(TDateTime date);

// Apparent diameter of the sun (arc seconds).
double SunAngularDiameter(TDateTime date);

// Apparent diameter of the moon (arc seconds), geocentric.
double MoonAngularDiameter(TDateTime date);

}  // namespace astro
