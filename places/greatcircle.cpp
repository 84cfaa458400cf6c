#include "places/greatcircle.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {
constexpr double Radian = std::numbers::pi / 180.0;
}

double CentralAngle(double latitude1, double longitude1, double latitude2, double longitude2)
{
    const double sinHalfLatitude = std::sin((latitude2 - latitude1) * Radian / 2);
    const double sinHalfLongitude = std::sin((longitude2 - longitude1) * Radian / 2);
    const double h = sinHalfLatitude * sinHalfLatitude +
                     std::cos(latitude1 * Radian) * std::cos(latitude2 * Radian) * sinHalfLongitude * sinHalfLongitude;
    // Rounding can carry h a hair past 1 for antipodal points.
    return 2 * std::asin(std::sqrt(std::clamp(h, 0.0, 1.0)));
}

double GreatCircleKm(double latitude1, double longitude1, double latitude2, double longitude2)
{
    return EarthMeanRadiusKm * CentralAngle(latitude1, longitude1, latitude2, longitude2);
}
