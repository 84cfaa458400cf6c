#include "almanac/placenight.h"

#include "astro/constants.h"

#include <algorithm>
#include <cmath>

namespace {

// The universal time of local noon on `day`: the offset taken where noon falls, which on a day
// the clocks change differs from the one at its midnight.
astro::TDateTime LocalNoon(const TPlaceZone& zone, const TLocalDay& day)
{
    const double noon = day.Number + 0.5;
    astro::TDateTime t = noon - zone.offsetSecondsAt(noon) / astro::SecondsPerDay;
    for (int step = 0; step < 2; ++step)
        t = noon - zone.offsetSecondsAt(t) / astro::SecondsPerDay;
    return std::clamp(t, day.Start, day.End);
}

}  // namespace

TLocalNight NightOfDay(const TPlaceZone& zone, double number)
{
    const TLocalDay day = zone.day(std::floor(number));
    if (day.empty())
        return {day.Number, day.Start, day.Start};
    TLocalDay next = zone.day(day.Number + 1);
    if (next.empty())
        next = zone.day(day.Number + 2);
    return {day.Number, LocalNoon(zone, day), LocalNoon(zone, next)};
}
