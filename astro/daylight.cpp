#include "astro/daylight.h"

#include <cmath>

#include "astro/dayinterval.h"
#include "astro/errors.h"

namespace astro {

// A UT day is the span of it; the span form asks that day alone, as this one always has.
TDayLight DayLight(TDateTime date, double latitude, double longitude)
{
    if (!std::isfinite(date) || !std::isfinite(longitude) || !(std::fabs(latitude) <= 90.0))
        throw E_OutOfAlgorithmRange("Out of range of the algorithm");
    const TDateTime day = std::trunc(date);
    return DayLightBetween(day, day + 1.0, latitude, longitude);
}

}  // namespace astro
