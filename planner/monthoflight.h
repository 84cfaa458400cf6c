#pragma once
// A month of light at one place: for each of its local days the light of the day (twilights,
// blue and golden hours, sunrise and sunset, moonrise and moonset), the moon's phase and the
// dark windows of the night that starts on it.

#include "almanac/placezone.h"
#include "astro/daylight.h"
#include "astro/night.h"

#include <vector>

struct TMonthDay {
    TLocalDay Day;  // a day the zone skipped is empty and has nothing else
    astro::TDayLight Light;
    // The night from this day's local noon to the next.
    astro::TNight Night;
    // The moon at the day's middle: lit share 0..1, and whether it waxes.
    double MoonIlluminatedFraction = 0;
    bool MoonWaxing = true;
};

struct TMonthOfLight {
    int Year = 0;
    int Month = 0;  // 1..12
    double Latitude = 0;
    double Longitude = 0;  // WEST positive
    QString ZoneId;
    std::vector<TMonthDay> Days;

    bool empty() const { return Days.empty(); }
    // Whether this is the month of `zone`'s local day `number` at the coordinates.
    bool holds(const TPlaceZone& zone, double number, double latitude, double longitude) const;
};

// The month (Gregorian) of `zone`'s local day `number` at latitude and longitude (degrees,
// north and WEST positive).
// Failure: astro::EAstroError from the library for coordinates or days out of its range.
TMonthOfLight ComputeMonthOfLight(const TPlaceZone& zone, double number, double latitude, double longitude);
