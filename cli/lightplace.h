#pragma once
// The place and the zone the command line's light is for. A place is given as map coordinates,
// as the name of a stored location or as the name of a town of the place table; its zone is the
// one asked for, else the place's own, else that of the nearest town.

#include "almanac/placezone.h"

#include <QString>

struct TChosenPlace {
    // For people: the stored location's name, or the town's with its region and country
    // ("Tromsø, 54, Norway"); empty for coordinates.
    QString Name;
    double Latitude = 0;   // degrees, north positive
    double Longitude = 0;  // degrees, WEST positive
    QString TimeZone;      // the place's own IANA id; empty when it has none
};

struct TPlaceChoice {
    TChosenPlace Place;
    QString Error;  // why the text names no place (one line, no line break); empty when it does

    bool valid() const { return Error.isEmpty(); }
};

// The place of `text`, tried in this order: "LAT,LON" in decimal degrees with a full stop,
// north and east positive (52.52,13.405), within ±90 and ±180 degrees; the other forms maps
// give (places/pastedcoordinates.h: hemisphere letters, degrees-minutes-seconds, geo URI); a location stored in
// `settingsFile` of that name (the first one, matched exactly, else ignoring case); the most
// populous town of the built-in place table whose name matches ("Tromso", "Paris, US").
TPlaceChoice ChoosePlace(const QString& text, const QString& settingsFile);

struct TZoneChoice {
    TPlaceZone Zone;
    QString Error;    // the zone asked for is unknown (one line); empty otherwise
    QString Warning;  // the place's own zone is unknown and another was taken (one line) or empty

    bool valid() const { return Error.isEmpty(); }
};

// The zone `requested` (an IANA id; a null text when none was asked for), else the place's own
// when the system knows it, else the zone of the town nearest to it, else universal time.
TZoneChoice ChooseZone(const QString& requested, const TChosenPlace& place);
