#pragma once
// The span of instants the almanac's series and searches are built for, and the checks that
// keep every entry point inside it: a NaN, an infinity or an instant thousands of years away
// raises the library's error instead of running a series far outside its terms or a search
// that walks for ever.

#include "astro/types.h"

namespace astro {

// 0h of 1 January -4000 (Julian calendar, astronomical year numbering) and 0h of 1 January
// 14000 (Gregorian calendar): the series lose accuracy long before either end, but stay finite
// and ordered, and every search over the calendar's years 1..9999 stays well inside.
inline constexpr TDateTime FirstAlgorithmInstant = -2154961.0;
inline constexpr TDateTime LastAlgorithmInstant = 4419436.0;

// Latitudes (degrees) an observer can stand at.
inline constexpr double LowestLatitude = -90.0;
inline constexpr double HighestLatitude = 90.0;

// The largest magnitude (degrees) of an angle handed in (a longitude, a right ascension):
// millions of turns, yet sums of a few such angles stay far from overflowing.
inline constexpr double LargestAngle = 1e9;

// Returns t when it is finite and within FirstAlgorithmInstant..LastAlgorithmInstant.
// Failure: E_OutOfAlgorithmRange "Out of range of the algorithm" otherwise.
TDateTime CheckedInstant(TDateTime t);

// Returns the observer's latitude when it is within -90..90 degrees.
// Failure: E_OutOfAlgorithmRange as above.
double CheckedLatitude(double latitude);

// Returns an angle (degrees: a longitude, a coordinate to transform) within
// -LargestAngle..LargestAngle. Failure: E_OutOfAlgorithmRange as above.
double CheckedAngle(double x);
inline double CheckedLongitude(double longitude) { return CheckedAngle(longitude); }

// Returns a finite number (an observer's height). Failure: E_OutOfAlgorithmRange as above.
double CheckedFinite(double x);

}  // namespace astro
