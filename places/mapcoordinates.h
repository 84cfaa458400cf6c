#pragma once
// Maps, the place table and the command line count longitude positive EAST of Greenwich; the
// program (TLocation, the settings file, the almanac) counts it positive WEST. The sign flips
// here and nowhere else, so that a place can never come out in the wrong hemisphere.

// The program's west-positive longitude, in degrees, of a longitude in degrees east. Keeps the
// value's size (no wrapping into -180..180) and passes NaN through; never gives -0.
double WestPositiveLongitude(double eastPositive);

// The east-positive longitude of maps, in degrees, of the program's west-positive longitude.
double EastPositiveLongitude(double westPositive);
