#pragma once
// Rising, transit (upper culmination) and setting of the sun and the moon for one observer
// and one day, in universal time read on the library's linear scale (no UT/TT correction).
// Observer: latitude in degrees, north positive; longitude in degrees, positive WEST.
// Range: instants FirstAlgorithmInstant..LastAlgorithmInstant (years -4000..14000, see
// instantrange.h); a NaN, an infinity or an instant outside raises E_OutOfAlgorithmRange
// "Out of range of the algorithm".
// A longitude beyond +-LargestAngle fails alike; a latitude that is not finite raises
// E_NoRiseSet.

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

// Most correction steps RiseTransitSet and SunAltitudeTime take from one start (and the
// moon's polishing on its own positions after them). The sun settles in 2 to 3 steps and the
// moon in 3 to 5 (its own motion makes each step fall short by about 4 per cent); steps still
// moving after 12 circle a crossing the body only grazes: that start finds nothing.
inline constexpr int MaxCorrections = 12;

// The moon's standard altitude at rising and setting (degrees): MoonParallaxFactor times its
// horizontal parallax at date (TDateTime) less MoonRefraction. latitude, longitude: degrees,
// north and WEST positive (the parallax is taken through the topocentric correction).
double MoonRiseSetAltitude(TDateTime date, double latitude, double longitude);

// Three-point interpolation of y1, y2, y3 (values at x = -1, 0, 1) at x = n. Differences
// larger than 100 in magnitude are taken across 360/0, so right ascensions of 359 and 1 on
// consecutive days interpolate through 0 and not through 180.
// Reference: Meeus, Astronomical Algorithms, 2nd ed., ch. 3 (eq. 3.3).
double Interpolate3(double y1, double y2, double y3, double n);

// Instant of the rising, setting or transit of the sun (isSun) or the moon on the day whose
// integer part date has (date towards zero).
// Returns: TDateTime in universal time, on that day whenever the event happens that day.
//          When it does not (the moon skips one rise, one set and one transit a month), the
//          same event on the day before or after; the caller decides whether it belongs to
//          the day asked for.
// latitude, longitude: degrees, north and WEST positive.
// Failure: E_NoRiseSet "No rises or sets calculable" when the body does not reach its
//          standard altitude that day (the transit is found above or below the horizon, on
//          polar days and nights too, but not at a pole, which has no meridian), when a
//          correction step would divide by zero (sin H = 0 or cos dec = 0), and when the
//          corrections do not settle within MaxCorrections steps from any start.
// Method:  the first estimate and its correction as in the reference, the correction then
//          repeated until a step moves the instant by less than one second. A start that
//          settles off the day is followed by a second start one day nearer; the existence
//          of a crossing, and a start, are also judged at noon and at the end of the day,
//          since the moon's declination moves up to 7 degrees a day. The moon's instant is
//          then corrected on with its own position at the instant (three daily positions
//          stray by up to a few hundredths of a degree). On a day the moon's altitude turns
//          back within a degree of its standard altitude, its rise and set are instead the
//          first crossing that way in a scan of the day (DayZeroCrossings, crossings.h) of
//          its altitude from its positions every six hours (MoonTrack, moontrack.h); when
//          the scan finds none, the result is the corrections' one on a neighbouring day, or
//          E_NoRiseSet.
// Reference: Meeus, Astronomical Algorithms, 2nd ed., ch. 15.
// Checked: sun 2024-06-21 at 51.5 N, 0: 03:42:40, 12:01:55, 20:21:05 UT within 5 s. Against
//          a brute-force search of the same altitude with the same positions (5-minute scan
//          and bisection), every day of 2024 at 70 S..70 N in 2-degree steps, of 2026 in
//          3-degree steps and of 2025 (major lunar standstill) at 57..70 degrees north and
//          south in 1-degree steps: sun rise and set within 1 s; moon rise, set and transit
//          within 1 s; every event the search finds on a day is reported on that day and
//          none it does not find, except one moon set and rise 3 minutes apart (63 S,
//          2025-11-24) that the search's 5-minute steps pass over.
TDateTime RiseTransitSet(bool isSun, TRiseSetEvent event, TDateTime date, double latitude, double longitude);

// As RiseTransitSet, for the 24 hours from dayStart (any instant, universal time) in place
// of a UT day: the instant inside [dayStart, dayStart + 1) whenever the event happens then,
// else the same event just before or after. The moon's standard altitude is its one at
// dayStart. A day that starts at a place's local midnight thereby keeps a crossing the UT
// day holds beside another of its kind (the sun near the edge of the midnight sun, the moon
// at high latitudes), which the UT day's single answer would leave out.
// Failure: as RiseTransitSet.
// Checked: on whole UT days equal to RiseTransitSet; on local days of zones from UTC-11 to
//          UTC+14 and at 70..78 N against an independent ephemeris (libnova's positions with a
//          bisection scan): every event within 1 minute (sun) and 2 minutes (moon).
TDateTime RiseTransitSetFrom(bool isSun, TRiseSetEvent event, TDateTime dayStart, double latitude, double longitude);

// The six operations of the Sun and Moon: RiseTransitSet for one body and one event.
TDateTime SunRiseTime(TDateTime date, double latitude, double longitude);
TDateTime SunSetTime(TDateTime date, double latitude, double longitude);
TDateTime SunTransitTime(TDateTime date, double latitude, double longitude);
TDateTime MoonRiseTime(TDateTime date, double latitude, double longitude);
TDateTime MoonSetTime(TDateTime date, double latitude, double longitude);
TDateTime MoonTransitTime(TDateTime date, double latitude, double longitude);

// The instant on the UT day of date (its integer part) when the sun's centre passes
// altitude degrees (geometric: no refraction, no semidiameter) going up (rsRise) or
// going down (rsSet). latitude, longitude: degrees, north and WEST positive.
// Failure: E_NoRiseSet "No rises or sets calculable" when the sun does not pass that
// altitude on that day (or date is not finite); E_OutOfAlgorithmRange "Invalid TRiseSetEvent"
// for rsTransit, and as RiseTransitSet for a date or longitude outside the range.
// Method:  that of RiseTransitSet with the sun and the altitude asked for.
// Checked: -18, -12, -6, -4, -0.8333 and +6 degrees every day of 2024 at 70 S..70 N against
//          a brute-force search with the same positions: within 0.3 s, none missed or
//          invented; the sun's altitude at the instant within 0.0003 degrees of the one asked.
TDateTime SunAltitudeTime(TRiseSetEvent event, TDateTime date, double altitude, double latitude, double longitude);

// As SunAltitudeTime, for the 24 hours from dayStart (any instant, universal time) in place of
// the UT day of date, as RiseTransitSetFrom is to RiseTransitSet.
TDateTime SunAltitudeTimeFrom(TRiseSetEvent event, TDateTime dayStart, double altitude, double latitude,
                              double longitude);

}  // namespace astro
