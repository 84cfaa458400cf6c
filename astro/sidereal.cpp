#include "astro/sidereal.h"

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/nutation.h"

namespace astro {

double SiderealTime(TDateTime t)
{
    const double daysFromJ2000 = DateTimeToJulian(t) - J2000JD;
    const double T = daysFromJ2000 / DaysPerJulianCentury;
    const TNutation nutation = Nutation(t);
    return Normalize360(280.46061837 + 360.98564736629 * daysFromJ2000 + T * T * (0.000387933 - T / 38710000.0) +
                        nutation.DeltaPsi * CosDeg(nutation.Epsilon));
}

}  // namespace astro
