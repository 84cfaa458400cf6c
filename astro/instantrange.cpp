#include "astro/instantrange.h"

#include <cmath>

#include "astro/errors.h"

namespace astro {

namespace {

[[noreturn]] void ThrowOutOfRange() { throw E_OutOfAlgorithmRange("Out of range of the algorithm"); }

}  // namespace

TDateTime CheckedInstant(TDateTime t)
{
    // Written so that NaN fails as well.
    if (!(t >= FirstAlgorithmInstant && t <= LastAlgorithmInstant))
        ThrowOutOfRange();
    return t;
}

double CheckedLatitude(double latitude)
{
    if (!(latitude >= LowestLatitude && latitude <= HighestLatitude))
        ThrowOutOfRange();
    return latitude;
}

double CheckedAngle(double x)
{
    if (!(std::fabs(x) <= LargestAngle))
        ThrowOutOfRange();
    return x;
}

double CheckedFinite(double x)
{
    if (!std::isfinite(x))
        ThrowOutOfRange();
    return x;
}

}  // namespace astro
