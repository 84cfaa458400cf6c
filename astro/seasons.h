#pragma once
// Equinoxes, solstices and the 24 solar terms: the instants at which the sun's apparent
// longitude reaches a multiple of 15 degrees.
// Time scale: every instant taken or returned is universal time (TDateTime, see types.h),
// converted with Delta T (deltat.h) from the dynamical time of the solar series; only
// SolarTermInstantDynamical gives dynamical time.

#include <cstdint>

#include "astro/types.h"

namespace astro {

// The four seasons, named for the northern hemisphere; each stands for a fixed apparent solar
// longitude: winter the December solstice (270), spring the March equinox (0), summer the June
// solstice (90), autumn the September equinox (180).
enum TSeason : std::uint8_t {
    ssWinter = 0,
    ssSpring = 1,
    ssSummer = 2,
    ssAutumn = 3,
};

// Mean length of one solar term (days): the tropical year 365.24219 days over 24.
inline constexpr double MeanSolarTermDays = 15.218424583333332;

// Most full sun positions the solar-term iteration may take before it gives up. It takes 2 in
// the years 1900..2100 and 2 or 3 in years 1..9999; the limit only keeps a
// non-converging case from hanging.
inline constexpr int SolarTermStepLimit = 50;

// Returns a - b reduced into (-180, 180] (degrees).
// Example: AngleDifference(10, 350) = 20, AngleDifference(350, 10) = -20,
//          AngleDifference(180, 0) = 180.
double AngleDifference(double a, double b);

// Instant at which the sun's apparent longitude equals 15 * term degrees, the one falling in
// the Gregorian year given: terms 19..23 (285..345 degrees) in January to March, terms 0..18
// in March to December.
// Returns: TDateTime in dynamical time, SunPosition there matching the target within 3e-10
//          degrees; far from 2000, where the 64-bit longitude cannot resolve that, the
//          instant once a miss is within 1e-9 degrees (worst miss 2.1e-9 degrees, 0.2 ms).
// year:    1..9999. term: 0..23 (the even terms are the principal terms).
// Failure: EConvertError "Invalid year" for a year outside 1..9999; E_OutOfAlgorithmRange
//          "Out of range of the algorithm" for a term outside 0..23 and when the iteration
//          has not converged after SolarTermStepLimit positions.
// Method:  Newton's steps on a sun of a few terms (Meeus ch. 25, lower accuracy, with the
//          moon's monthly term) bring the start within about 0.01 degree; then each full
//          position's miss is divided by that sun's rate, and the iteration ends once the
//          misses have contracted so far that the next would be below 1e-10 degree.
// Reference: Meeus, Astronomical Algorithms, 2nd ed., ch. 27 (iteration on the solar
//          longitude).
// Checked: every term of every year 1..9999 ends within the step limit; Meeus example 27.a
//          (June solstice 1962, JDE 2437837.39245) 23 s early, the time the sun takes for the
//          1" by which its longitude here differs from the full reduction.
TDateTime SolarTermInstantDynamical(int year, int term);

// SolarTermInstantDynamical in universal time.
// Returns: TDateTime, universal time.
// Failure: as SolarTermInstantDynamical.
// Checked: the equinoxes and solstices 2000, 2024 and 2026 as the US Naval Observatory
//          publishes them (universal time, to the minute): worst 38 s, mean 5 s (the June
//          solstice 2024 of 20:51 at 20:50:56, the December solstice 2026 of 20:50 at
//          20:50:09).
TDateTime SolarTermInstant(int year, int term);

// Instant of the equinox or solstice of the season in the year (SolarTermInstant with term
// 18, 0, 6, 12 for winter, spring, summer, autumn).
// Returns: TDateTime, universal time; 0 for a season value outside TSeason.
// Failure: as SolarTermInstant.
TDateTime SeasonBegin(int year, TSeason season);

// Returns the index of the principal solar term that falls in month 1..12:
// (2 * month + 18) mod 24, January 20 (300 degrees), March 0, December 18 (270 degrees).
// Failure: E_OutOfAlgorithmRange "Out of range of the algorithm" for any other month.
int PrincipalTermOfMonth(int month);

// First principal solar term at or after date (TDateTime, universal time, as the result;
// years 1..9999, so a NaN or infinity raises EConvertError from the calendar).
// Failure: as SolarTermInstant (EConvertError past the end of 9999).
TDateTime PrincipalTermAfter(TDateTime date);

// Last principal solar term strictly before date; never returns date itself.
// Failure: as SolarTermInstant (EConvertError before the start of year 1).
TDateTime PrincipalTermBefore(TDateTime date);

}  // namespace astro
