#pragma once
// Rising, transit (upper culmination) and setting of the sun and the moon for one observer
// and one day, in universal time read on the library's linear scale (no UT/TT correction).
// Observer: latitude in degrees, north positive; longitude in degrees, positive WEST.
// Range: instants FirstAlgorithmInstant..LastAlgorithmInstant (years -4000..14000, see
// instantrange.h); a NaN, an infinity or an instant outside raises E_OutOfAlgorithmRange
// "Out of range of the algorithm".
// A longitude that is not finite fails alike; a latitude that is not finite raises E_NoRiseSet.

#include <cstdint>

#include "astro/types.h"

namespace astro {

// The event asked of RiseTransitSet.
enum TRiseSetEvent : std::uint8_t {
    rsRise = 0,
    rsSet = 1,
    rsTransit = 2,
};

// Standard altitudes of the centre of the body at rising and setting (degrees): the sun's
// includes refraction and semidiameter; the moon's is 0.7275 times its horizontal parallax
// less 34 arc minutes of refraction.
inline constexpr double SunRiseSetAltitude = -0.8333;
inline constexpr double MoonParallaxFactor = 0.7275;
inline constexpr double MoonRefraction = 0.56666666666666667;

// Three-point interpolation of y1, y2, y3 (values at x = -1, 0, 1) at x = n. Differences
// larger than 100 in magnitude are taken across 360/0, so right ascensions of 359 and 1 on
// consecutive days interpolate through 0 and not through 180.
// Reference: Meeus, Astronomical Algorithms, 2nd ed., ch. 3 (eq. 3.3).
double Interpolate3(double y1, double y2, double y3, double n);

// Instant of the rising, setting or transit of the sun (isSun) or the moon on the day whose
// integer part date has (date towards zero).
// Returns: TDateTime in universal time; it can fall on the day before or after (the moon
//          skips one rise and one set a month); the caller decides whether it belongs to the
//          day asked for.
// latitude, longitude: degrees, north and WEST positive.
// Failure: E_NoRiseSet "No rises or sets calculable" when the body does not reach its
//          standard altitude that day (for the transit: the geometric horizon), and when a
//          correction step would divide by zero (sin H = 0 or cos dec = 0).
// Reference: Meeus, Astronomical Algorithms, 2nd ed., ch. 15 (one correction step).
// Checked: sun 2024-06-21 at 51.5 N, 0: 03:42:40, 12:01:55, 20:21:05 UT within 5 s; sun at
//          its standard altitude within 0.02 degrees at 60 S..65 N; moon rise and set within
//          6 minutes, moon transit within 2 minutes of the true instants (2024).
TDateTime RiseTransitSet(bool isSun, TRiseSetEvent event, TDateTime date, double latitude,
                         double longitude);

// The six operations of the Sun and Moon: RiseTransitSet for one body and one event.
TDateTime SunRiseTime(TDateTime date, double latitude, double longitude);
TDateTime SunSetTime(TDateTime date, double latitude, double longitude);
TDateTime SunTransitTime(TDateTime date, double latitude, double longitude);
TDateTime MoonRiseTime(TDateTime date, double latitude, double longitude);
TDateTime MoonSetTime(TDateTime date, double latitude, double longitude);
TDateTime MoonTransitTime(TDateTime date, double latitude, double longitude);

}  // namespace astro
