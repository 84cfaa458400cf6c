#include "astro/angles.h"

namespace astro {

double ArcTan2Rad(double y, double x)
{
    if (x == 0.0)
        return y > 0.0 ? Pi / 2.0 : (y < 0.0 ? -Pi / 2.0 : 0.0);
    // atan2 is more accurate than atan(y / x) near the axes; its part below -pi/2 is moved up
    // by a full turn, which gives the range of arctan(y / x) plus pi for x < 0.
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
