#pragma once
// The moon's phase cycle: instants of the eight phases, the last and next instant of a phase
// around a date, lunation numbers, blue moons, and the instantaneous age, phase angle,
// illuminated fraction, distances and apparent diameters of moon and sun.
// Time scale: every instant taken or returned is universal time (TDateTime, see types.h);
// the series run in dynamical time, and each function converts with Delta T (deltat.h) where
// it is entered and where it returns. The functions named ...Dynamical take and give
// dynamical time, the scale of the published series and of Meeus's worked examples.
// Range: instants FirstAlgorithmInstant..LastAlgorithmInstant (years -4000..14000, see
// instantrange.h); a NaN, an infinity or an instant outside raises E_OutOfAlgorithmRange
// "Out of range of the algorithm".
// The searches fail alike when an instant they evaluate lies outside; BlueMoonAfter and
// IsBlueMoonLunation need the calendar as well (years 1..9999).

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

// Mean phase arguments of the lunation nearest to tt.
// Returns: the arguments for K = N + ordinal(phase)/8, N the lunation number (since
//          2000-01-06) nearest to (tt - 2000-01-01) in mean lunations, ties to even.
//          E is taken for tt itself, not for the lunation.
// phase:   any TMoonPhase (odd values give the mean octant).
// tt:      TDateTime, dynamical time.
// Reference: Meeus, Astronomical Algorithms, 2nd ed., ch. 49.
TPhaseArguments PhaseArgumentsDynamical(TMoonPhase phase, TDateTime tt);

// Instant of a principal phase (new, first quarter, full, last quarter) in the lunation that
// PhaseArgumentsDynamical selects for tt.
// Returns: TDateTime of the true phase, dynamical time.
// tt:      TDateTime, dynamical time.
// Failure: E_OutOfAlgorithmRange "Invalid TMoonPhase" for an odd or out-of-range phase.
// Reference: Meeus, Astronomical Algorithms, 2nd ed., ch. 49 (periodic and planetary terms).
// Checked: Meeus examples 49.a and 49.b and the published phases of 1977: worst difference
//          1.6 s.
TDateTime PrincipalPhaseInstantDynamical(TMoonPhase phase, TDateTime tt);

// PrincipalPhaseInstantDynamical in universal time: date and the result are universal time.
// Checked: the phases of January 2024, the new moon of 2024-04-08 18:21 UT and the full moon
//          of 2026-05-31 08:45 UT as the US Naval Observatory publishes them (to the minute):
//          within 29 s.
TDateTime PrincipalPhaseInstant(TMoonPhase phase, TDateTime date);

// Instant at which the moon's age (MoonAgeDays) equals ordinal(phase)/8 of SynodicMonth,
// found by iteration from date. An age up to half a month ahead of the wanted one is walked
// back; a larger one forward, also past the new moon: a waning crescent asked for one day
// after new moon lies about 24.8 days later, not 4.7 days earlier.
// Returns: TDateTime (universal time), converged to 1e-7 days of age (about 3e-8 days in
//          time).
// Failure: E_OutOfAlgorithmRange "Invalid TMoonPhase" for a principal phase or one above 7;
//          E_OutOfAlgorithmRange "No TDateTime possible" when the iteration fails to
//          converge (only far outside years 1..9999 or for a non-finite date).
TDateTime OctantPhaseInstant(TMoonPhase phase, TDateTime date);

// Instant of any phase near date: octants through OctantPhaseInstant, principal phases
// through PrincipalPhaseInstant.
// Returns: TDateTime (universal time), or 0 for a phase ordinal above 7.
TDateTime PhaseInstant(TMoonPhase phase, TDateTime date);

// Last instant of phase at or before date. An instant that coincides with date (within
// PhaseCoincidenceDays) is date itself, so PhaseBefore(p, PhaseAfter(p, x)) returns
// PhaseAfter(p, x).
// Failure: E_OutOfAlgorithmRange "No TDateTime possible" for a phase ordinal above 7 or a
//          date where no instant can be found (far outside years 1..9999, non-finite).
// Checked: every phase for 1000 dates over years 1..9999: nearest instant on the right side,
//          round trip with PhaseAfter exact, consecutive phases 3.2..4.2 days apart.
TDateTime PhaseBefore(TMoonPhase phase, TDateTime date);

// First instant of phase at or after date; the mirror of PhaseBefore.
TDateTime PhaseAfter(TMoonPhase phase, TDateTime date);

// Two computed instants of one phase closer than this (days, about 0.4 s) are the same
// instant: the periodic terms take E from the date they are evaluated for and the octant
// iteration depends on its starting point, which moves one instant by up to 6e-7 days
// (principal phases, year 9999) and 3e-8 days (octants).
inline constexpr double PhaseCoincidenceDays = 5e-6;

// First full moon at or after date that is the second full moon of its calendar month
// (calendar dates of universal time, historical calendar).
// Failure: EConvertError from the calendar for dates before year 1.
// Checked: the published blue moons 2012..2028 (universal time, to the minute) within 37 s.
TDateTime BlueMoonAfter(TDateTime date);

// True when the full moon of lunation n (numbered as LunationOf) is a blue moon.
// Failure: as BlueMoonAfter, for lunations before year 1.
bool IsBlueMoonLunation(int n);

// Lunation number of the last new moon at or before date; the lunation that began with the
// new moon of 1923-01-17 02:41 is number 1 (Brown's numbering; 2024-01-11 begins 1250).
// Failure: as PhaseBefore.
int LunationOf(TDateTime date);

// The values below take date in universal time and evaluate the positions of moon and sun
// (sun.h, moon_position.h) at the same instant in dynamical time.

// Age of the moon (days) from the difference of the apparent longitudes of moon and sun,
// scaled to SynodicMonth: 0 <= age < 29.530589.
// Checked: at the principal phases of 2023..2024 within 0.0003 days of 0, 1/4, 1/2 and 3/4
//          of SynodicMonth.
double MoonAgeDays(TDateTime date);

// Phase angle of the moon (degrees) in [-180, 180]: about 180 in magnitude at new moon,
// 90 at first quarter, 0 at full moon; positive while waxing, negative while waning.
// Reference: Meeus, Astronomical Algorithms, 2nd ed., ch. 48 (eq. 48.2, 48.3).
// Checked: Meeus example 48.a (1992-04-12 0h TD: 69.0756 degrees, lit fraction 0.6786)
//          within 0.001 degree.
double MoonPhaseAngle(TDateTime date);

// Illuminated fraction of the moon's disc, 0..1, from MoonPhaseAngle.
double MoonIlluminatedFraction(TDateTime date);

// Earth-sun distance (astronomical units) from SunPosition.
double SunDistanceAU(TDateTime date);

// Earth-moon distance, centre to centre (kilometres) from MoonPosition.
double MoonDistanceKm(TDateTime date);

// Apparent diameter of the sun (arc seconds), from a semidiameter of 959.63 arc seconds at
// 1 AU. Checked: perihelion and aphelion of 2024 (1951.8 and 1887.7) within 0.2.
double SunAngularDiameter(TDateTime date);

// Apparent diameter of the moon (arc seconds), geocentric, from 358473400 km * arc seconds
// divided by the distance. Checked: perigee of 2016-11-14 (2011 arc seconds) within 0.5.
double MoonAngularDiameter(TDateTime date);

// The values above at one instant, from one computation of each body's position: what a
// caller that shows several of them needs. Each equals its own function's value for date.
struct TMoonAndSun {
    double MoonAgeDays;
    double MoonPhaseAngle;
    double MoonIlluminatedFraction;
    double MoonDistanceKm;
    double MoonAngularDiameter;
    double SunDistanceAU;
    double SunAngularDiameter;
};
TMoonAndSun MoonAndSunAt(TDateTime date);

}  // namespace astro
