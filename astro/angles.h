#pragma once
// Angle functions in degrees and radians. Degree functions reduce their argument into
// [0, 360) first, so huge angles lose no more precision than the reduction itself.

#include <cmath>

#include "astro/constants.h"

namespace astro {

// Returns x (degrees) in radians.
constexpr double DegreesToRadians(double x) { return x / 180.0 * Pi; }

// Returns x (radians) in degrees.
constexpr double RadiansToDegrees(double x) { return x * 180.0 / Pi; }

// Returns x (degrees) reduced into [0, 360) for every finite x; NaN and infinities give NaN.
// The remainder is exact, so the angles of the series keep every bit, and a negative one
// needs a single turn added. Never returns 360 (a tiny negative rest plus 360 rounding up to
// 360 is mapped to 0).
// Below 2^47 turns x - 360 k is exact (Sterbenz: x and 360 k lie within a factor of two, and
// 360 k has at most 53 bits), so it is the remainder fmod gives, without its slow loop; a
// quotient rounded across a whole turn is put right by one turn more or less.
inline double Normalize360(double x)
{
    constexpr double ExactTurns = 140737488355328.0;  // 2^47
    double reduced;
    if (std::fabs(x) < ExactTurns * 360.0) {
        reduced = x - 360.0 * std::floor(x / 360.0);
        // A whole number of turns keeps the sign of its zero, as fmod's remainder does.
        if (reduced == 0.0)
            return std::copysign(0.0, x);
        if (reduced >= 360.0)
            reduced -= 360.0;
    } else {
        reduced = std::fmod(x, 360.0);
    }
    if (reduced < 0.0)
        reduced += 360.0;
    return reduced >= 360.0 ? 0.0 : reduced;
}

// Returns a mod b brought into 1..b (0 becomes b). b must be positive.
// Example: WrapOneBased(-1, 60) = 59, WrapOneBased(0, 60) = 60.
inline int WrapOneBased(int a, int b)
{
    int r = a % b;
    while (r < 1)
        r += b;
    return r;
}

// Returns tan x for x in radians, as sin x / cos x.
inline double TanRad(double x) { return std::sin(x) / std::cos(x); }

// Returns the angle (radians) of the point (x, y) in [-pi/2, 3pi/2]: arctan(y / x), plus pi
// when x < 0. With x = 0 the result is +pi/2 or -pi/2 by the sign of y, and 0 for y = 0.
double ArcTan2Rad(double y, double x);

// Returns arcsin x (radians) in [-pi/2, pi/2]; |x| >= 1 gives +-pi/2 rather than failing, so
// rounding just past 1 in a caller's product cannot produce NaN.
double ArcSinRad(double x);

// Returns arccos x (radians) in [0, pi], as pi/2 - ArcSinRad(x).
double ArcCosRad(double x);

// Sine, cosine and tangent of x in degrees (any finite magnitude; NaN for NaN or infinities).
inline double SinDeg(double x) { return std::sin(DegreesToRadians(Normalize360(x))); }
inline double CosDeg(double x) { return std::cos(DegreesToRadians(Normalize360(x))); }
inline double TanDeg(double x) { return TanRad(DegreesToRadians(Normalize360(x))); }

// Returns the angle (degrees) of the point (x, y) in [-90, 270]; see ArcTan2Rad.
// Example: ArcTan2Deg(-1, 1) = -45, not 315; ArcTan2Deg(-1, -1) = 225.
inline double ArcTan2Deg(double y, double x) { return RadiansToDegrees(ArcTan2Rad(y, x)); }

// Inverse sine, cosine and tangent in degrees: [-90, 90], [0, 180] and (-90, 90).
inline double ArcSinDeg(double x) { return RadiansToDegrees(ArcSinRad(x)); }
inline double ArcCosDeg(double x) { return RadiansToDegrees(ArcCosRad(x)); }
inline double ArcTanDeg(double x) { return RadiansToDegrees(std::atan(x)); }

}  // namespace astro
