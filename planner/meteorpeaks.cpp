#include "planner/meteorpeaks.h"

#include "almanac/placenight.h"

#include <algorithm>

namespace {

// The night of `zone` that holds the instant ut: the one of its local day, or of the day
// before while that day's noon is still to come.
TLocalNight NightHolding(const TPlaceZone& zone, astro::TDateTime ut)
{
    const double number = zone.dayOf(ut).Number;
    const TLocalNight night = NightOfDay(zone, number);
    return night.Start <= ut ? night : NightOfDay(zone, number - 1);
}

}  // namespace

TMeteorYear ComputeMeteorYear(const TPlaceZone& zone, int year, double latitude, double longitude)
{
    TMeteorYear result;
    result.Year = year;
    result.Latitude = latitude;
    result.Longitude = longitude;
    result.ZoneId = zone.id();
    for (const astro::TMeteorShower& shower : astro::MeteorShowers) {
        TMeteorPeak peak;
        peak.Shower = &shower;
        peak.Peak = astro::MeteorShowerPeak(shower, year);
        const TLocalNight night = NightHolding(zone, peak.Peak);
        peak.Night = astro::MeteorShowerNight(shower, night.Start, night.End, latitude, longitude);
        result.Peaks.push_back(peak);
    }
    std::sort(result.Peaks.begin(), result.Peaks.end(),
              [](const TMeteorPeak& a, const TMeteorPeak& b) { return a.Peak < b.Peak; });
    return result;
}
