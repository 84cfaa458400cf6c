#pragma once
// The nights of a place for people: the Night block of the More Data window as lines, with its
// captions and texts in the user's language and the times on the place's clock.

#include "almanac/placenight.h"
#include "almanac/placezone.h"
#include "astro/night.h"

#include <QString>

// The lines of one night: its date, then its dark sky and the Milky Way's core. `computed` is
// null for the night of a day the zone skipped. Ends with a line break.
QString NightTableNight(const TLocalNight& night, const astro::TNight* computed, double coreAltitude,
                        const TPlaceZone& zone);
