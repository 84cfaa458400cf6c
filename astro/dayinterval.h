#pragma once
// Rise, transit, set and the light of a span of universal time rather than of a UT day: the
// civil day of a place, which runs from its local midnight to the next and lasts 23 to 25
// hours on the days its clocks change. Instants in universal time on the library's linear
// scale; observer latitude north positive, longitude WEST positive, both in degrees.

#include <optional>

#include "astro/daylight.h"
#include "astro/riseset.h"
#include "astro/types.h"

namespace astro {

// The longest span these functions take (days); a civil day is at most 25 hours.
inline constexpr double LongestDaySpan = 2.0;

// The first rising, setting or transit of the sun (isSun) or the moon in [start, end).
// Returns: the instant (universal time), or none when the event does not happen in the span.
// Failure: E_OutOfAlgorithmRange "Out of range of the algorithm" when start or end is not
//          finite, end does not follow start or the span is longer than LongestDaySpan; as
//          RiseTransitSet for an instant or longitude outside its range.
// Method:  RiseTransitSetFrom on the 24 hours from the span's start and on the 24 hours
//          ending with it; the span's event is the first of the instants found that lie inside
//          it, so that a span of one UT day gives that day's answers.
// Checked: against the UT-day results on whole UT days; on local days of zones from UTC-11
//          to UTC+14 and at 70..78 N against libnova's positions with a bisection scan, every
//          event within 1 minute (sun) and 2 minutes (moon), none missed or invented.
std::optional<TDateTime> RiseTransitSetBetween(bool isSun, TRiseSetEvent event, TDateTime start, TDateTime end,
                                               double latitude, double longitude);

// The light of the span [start, end): as DayLight, with every crossing the first of its kind
// inside the span. A crossing missing both ways is above or below all the span as the body
// stands at its middle.
// Failure: as RiseTransitSetBetween; a latitude beyond +-90 degrees or not finite raises
//          E_OutOfAlgorithmRange "Out of range of the algorithm".
// Checked: as RiseTransitSetBetween.
TDayLight DayLightBetween(TDateTime start, TDateTime end, double latitude, double longitude);

}  // namespace astro
