#include "calculator/model_comfort.h"

#include "controls/numbers.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double SolarConstant = 1367;  // W/m^2 outside the atmosphere
// Share of the solar constant a horizontal body absorbs with the sun overhead.
constexpr double AbsorbedShare = 0.15;
// Radiation (W/m^2) absorbed also with the sun on the horizon: sky and ground.
constexpr double DiffuseRadiation = 10;

}  // namespace

double VapourPressure(double ta, double rh)
{
    return CheckedResult(rh / 100 * 6.105 * std::exp(Divide(17.27 * ta, 237.7 + ta)));
}

double ApparentTempShade(double ta, double e, double ws) { return CheckedResult(ta + 0.33 * e - 0.70 * ws - 4.00); }

double ApparentTempSun(double ta, double e, double ws, double elevation, double factor)
{
    const double h = std::max(elevation, 0.0);
    // Angle from the zenith; an elevation past 90 degrees is read from the other side.
    const double zenith = h > 90 ? h - 90 : 90 - h;
    const double q =
        factor * SolarConstant * AbsorbedShare * std::cos(zenith * std::numbers::pi / 180) + DiffuseRadiation;
    return CheckedResult(ta + 0.348 * e - 0.70 * ws + Divide(0.70 * q, ws + 10) - 4.25);
}
