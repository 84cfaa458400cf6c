#pragma once
// The texts of the light block: each crossing of the day as an instant, or in words why it does
// not happen that day.

#include "almanac/placezone.h"
#include "astro/daylight.h"

#include <QString>

// The sixteen-point compass name, in the interface language, of an azimuth in whole degrees
// from north through east; any whole number is taken modulo 360.
QString CompassPoint(int azimuth);

// "124° SE": an azimuth (degrees from north through east) rounded to whole degrees, and the
// compass point of the rounded value, so that the two never disagree.
QString DirectionText(double azimuth);

// The sun's rows of one half of the day, each in the order the sky passes them.
struct TSunLightTexts {
    QString Astronomical;  // astronomical dawn / dusk
    QString Nautical;      // nautical dawn / dusk
    QString Civil;         // civil dawn / dusk
    QString BlueHour;      // its span
    QString GoldenHour;    // its span
    QString Horizon;       // sunrise / sunset with its direction
};

// The rows of the morning (morning true) or of the evening, with the times on the clock of zone.
TSunLightTexts SunLightTexts(const astro::TSunLight& side, bool morning, const TPlaceZone& zone = TPlaceZone());

// Moonrise (rise true) or moonset with its direction and the moon's lit share.
QString MoonLightText(const astro::TMoonLight& moon, bool rise, const TPlaceZone& zone = TPlaceZone());
