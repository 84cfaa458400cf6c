#pragma once
// The texts of the night block: the dark windows of the night and the Milky Way's core in
// them, as spans on a clock, or in words why there are none.

#include "almanac/placezone.h"
#include "astro/night.h"

#include <QString>

struct TNightTexts {
    QString DarkSky;  // "21:34 – 03:12", several parted by "; ", or why there is no dark sky
    QString Core;     // each span with its highest point, or that the core stays too low
};

// The rows of `night` with the times on the clock of `zone`; coreAltitude is the limit the
// night was computed with (degrees).
TNightTexts NightTexts(const astro::TNight& night, double coreAltitude, const TPlaceZone& zone = TPlaceZone());

// Why the night has no dark window, or that the core stays below coreAltitude in every window,
// in English for files; empty when a window has the core high enough.
QString NightReasonInEnglish(const astro::TNight& night, double coreAltitude);
