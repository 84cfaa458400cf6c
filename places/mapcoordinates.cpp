#include "places/mapcoordinates.h"

// Subtracting from +0 rather than negating keeps Greenwich itself at +0, which a text of the
// value would otherwise show as "-0".
double WestPositiveLongitude(double eastPositive) { return 0.0 - eastPositive; }

double EastPositiveLongitude(double westPositive) { return 0.0 - westPositive; }
