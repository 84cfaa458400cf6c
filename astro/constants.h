#pragma once
// Named constants of the almanac library, each with its unit.

#include "astro/types.h"

namespace astro {

// pi to the precision of a double.
inline constexpr double Pi = 3.14159265358979323846;

// Julian date minus TDateTime (days): 2000-01-01 00:00 is JD 2451544.5 and TDateTime 36526.
inline constexpr double JulianDateOffset = 2415018.5;

// JD of 1582-10-15 00:00, the first day of the Gregorian calendar; every conversion in the
// historical calendar switches here.
inline constexpr double GregorianSwitchJD = 2299160.5;

// The standard epoch J2000.0 (2000-01-01 12:00 TT) as a Julian date and as a TDateTime.
inline constexpr double J2000JD = 2451545.0;
inline constexpr TDateTime J2000DateTime = 36526.5;

// Start-up epochs as TDateTime (days): 2000-01-01, 1999-01-01 and 1923-01-17, all 00:00.
inline constexpr TDateTime Epoch2000Day = 36526.0;
inline constexpr TDateTime Epoch1999Day = 36161.0;
inline constexpr TDateTime LunationEpoch = 8418.0;

// Lengths of the Julian year, century and millennium (days).
inline constexpr double DaysPerJulianYear = 365.25;
inline constexpr double DaysPerJulianCentury = 36525.0;
inline constexpr double DaysPerJulianMillennium = 365250.0;

// Minutes, seconds and milliseconds per day.
inline constexpr double MinutesPerDay = 1440.0;
inline constexpr double SecondsPerDay = 86400.0;
inline constexpr double MillisecondsPerDay = 86400000.0;

// Arcseconds per degree.
inline constexpr double ArcsecondsPerDegree = 3600.0;

// Astronomical unit (km), the value the sun's distance is scaled with.
inline constexpr double AU_KM = 149597869.0;

// The earth's equatorial radius (m) of the reference ellipsoid.
inline constexpr double EarthEquatorialRadiusM = 6378140.0;

// The earth's radius (km) in which the moon window states the moon's distance.
inline constexpr double EarthRadiusKm = 6378.15;

}  // namespace astro
