#pragma once
// The nights of a place: a local date's night runs from its local noon to the next local noon,
// 23 or 25 hours when the clocks change in between. Instants in universal time on the
// library's linear scale.

#include "almanac/placezone.h"

// The night of one local date.
struct TLocalNight {
    double Number = 0;           // the local day number of its evening, as TLocalDay's
    astro::TDateTime Start = 0;  // universal time of that day's local noon
    astro::TDateTime End = 0;    // universal time of the next local noon on the zone's clock
    // The night of a day the zone skipped has no instant at all.
    bool empty() const { return !(End - Start >= 0.001 / 86400); }
};

// The night of the local day `number` of `zone`. A day the zone skipped has an empty night; a
// night before one ends at the noon after it, the next noon the zone's clock shows.
TLocalNight NightOfDay(const TPlaceZone& zone, double number);
