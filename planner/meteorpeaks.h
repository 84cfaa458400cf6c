#pragma once
// The peaks of the major meteor showers in a year as a place sees them: each peak's instant
// and the night it falls in, with the radiant's altitude at that night's darkest hour and the
// moon's lit share then.

#include "almanac/placezone.h"
#include "astro/meteorshowers.h"

#include <vector>

struct TMeteorPeak {
    const astro::TMeteorShower* Shower = nullptr;
    astro::TDateTime Peak = 0;  // universal time
    // The night (local noon to local noon) that holds the peak.
    astro::TMeteorNight Night;
};

struct TMeteorYear {
    int Year = 0;
    double Latitude = 0;
    double Longitude = 0;  // WEST positive
    QString ZoneId;
    std::vector<TMeteorPeak> Peaks;  // in time order

    bool empty() const { return Peaks.empty(); }
    bool holds(const TPlaceZone& zone, int year, double latitude, double longitude) const
    {
        return !empty() && year == Year && latitude == Latitude && longitude == Longitude && zone.id() == ZoneId;
    }
};

// The Gregorian year's peaks at latitude and longitude (degrees, north and WEST positive), the
// nights those of `zone`.
// Failure: astro::EAstroError from the library for a year or coordinates out of its range.
TMeteorYear ComputeMeteorYear(const TPlaceZone& zone, int year, double latitude, double longitude);
