#pragma once
// The light of a place's local days for people: the Light block of the More Data window as a
// table, with its captions and texts in the user's language and the times on the place's clock.

#include "almanac/placezone.h"
#include "astro/daylight.h"

#include <QString>

// The lines that open the table: the place (its name as given, may be empty) with its position
// (latitude north, longitude WEST positive, degrees) and the zone's id.
QString LightTableHeading(const QString& name, double latitude, double longitudeWest, const TPlaceZone& zone);

// The rows of one local day: its date with the zone's time and offset (both of them on a day
// the clocks change), then morning, evening and moon. `light` is null for a day the zone
// skipped. Ends with a line break.
QString LightTableDay(const TLocalDay& day, const astro::TDayLight* light, const TPlaceZone& zone);
