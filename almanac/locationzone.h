#pragma once
// The zone a location's days and clock run in: the one the user chose, or, while none is
// chosen or the chosen id is unknown to the system, the zone of the nearest place of the place
// table, offered as a suggestion.

#include "almanac/placezone.h"
#include "locations/location.h"

#include <QString>

class TPlaceTable;

struct TZoneChoice {
    // The zone in force: a valid IANA id, or "UTC" when the place table is empty.
    QString Id;
    // Id comes from the nearest place, not from the user.
    bool Suggested = false;
    // The location's own id names no zone the system knows; it is kept as written.
    bool UnknownStored = false;
    // The place the suggestion comes from, and how far it is.
    QString NearestName;
    double DistanceKm = 0;
};

// The zone of location, suggested from `table` where the location has none of its own.
TZoneChoice ZoneChoiceOf(const TLocation& location, const TPlaceTable& table);
// The same with the program's built-in place table.
TZoneChoice ZoneChoiceOf(const TLocation& location);

// The zone of location as a clock (ZoneChoiceOf with the built-in table).
TPlaceZone PlaceZoneOf(const TLocation& location);

// "Europe/Oslo, from Tromsø, 3 km" for a suggestion; the id alone for a chosen zone.
QString ZoneChoiceText(const TZoneChoice& choice);
