#pragma once
// The nights of a place as CSV, the command line's machine-readable form: per dark window a
// row where it starts, rows for the Milky Way's core while it stands high enough in it, and a
// row where it ends, in time order. A night without a dark window has one row that says why.
// Numbers and times never depend on the user's locale; reasons are in English.

#include "almanac/placenight.h"
#include "almanac/placezone.h"
#include "astro/night.h"

#include <QString>
#include <QStringList>

// "date,event,local_time,utc_time,azimuth,altitude,note", without its line break.
QString NightCsvHeader();

// The rows (without line breaks) of the night of `night.Number` at `zone`, computed as
// `computed` with the core altitude limit coreAltitude; an empty night (a day the zone
// skipped) has nothing computed (nullptr) and one row "Not on this day". Events: dark_start,
// core_visible_start, core_highest, core_visible_end, dark_end; the core's rows carry its
// azimuth (degrees from north through east) and altitude, one decimal each.
QStringList NightCsvRows(const TLocalNight& night, const astro::TNight* computed, double coreAltitude,
                         const TPlaceZone& zone);
