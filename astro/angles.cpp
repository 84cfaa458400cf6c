#include "astro/angles.h"

namespace astro {

double ArcTan2Rad(double y, double x)
{
    if (x == 0.0)
        return y > 0.0 ? Pi / 2.0 : (y < 0.0 ? -Pi / 2.0 : 0.0);
    // atan2 is more accurate than atan(y / x) near the axes; its lower half-turn is moved up
    // by a full turn to give the (-pi/2, 3pi/2] range the callers rely on.
    const double angle = std::atan2(y, x);
    return angle < -Pi / 2.0 ? angle + 2.0 * Pi : angle;
}

double ArcSinRad(double x)
{
    if (x >= 1.0)
        return Pi / 2.0;
    if (x <= -1.0)
        return -Pi / 2.0;
    return std::asin(x);
}

double ArcCosRad(double x) { return Pi / 2.0 - ArcSinRad(x); }

}  // namespace astro
