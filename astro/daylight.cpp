#include "astro/daylight.h"

#include <cmath>
#include <optional>

#include "astro/angles.h"
#include "astro/errors.h"
#include "astro/moon_position.h"
#include "astro/phases.h"
#include "astro/riseset.h"
#include "astro/skyposition.h"
#include "astro/sun.h"
#include "astro/transforms.h"

namespace astro {

namespace {

// The library measures azimuth from the south, positive towards the west.
double FromNorth(double azimuthFromSouth) { return Normalize360(azimuthFromSouth + 180.0); }

std::optional<TDateTime> SunCrossing(TRiseSetEvent event, TDateTime day, double altitude, double latitude,
                                     double longitude)
{
    try {
        return SunAltitudeTime(event, day, altitude, latitude, longitude);
    } catch (const E_NoRiseSet&) {
        return std::nullopt;
    }
}

std::optional<TDateTime> MoonCrossing(TRiseSetEvent event, TDateTime day, double latitude, double longitude)
{
    try {
        const TDateTime t = RiseTransitSet(false, event, day, latitude, longitude);
        if (t >= day && t < day + 1.0)
            return t;
    } catch (const E_NoRiseSet&) {
    }
    return std::nullopt;
}

// The kind of a crossing from what was found each way, and the body's altitude at noon
// minus the altitude crossed.
TLightEvent Classified(const std::optional<TDateTime>& thisWay, const std::optional<TDateTime>& otherWay,
                       double noonAbove)
{
    if (thisWay)
        return {lkOccurs, *thisWay};
    if (otherWay)
        return {lkOtherDay, 0.0};
    return {noonAbove > 0.0 ? lkAboveAllDay : lkBelowAllDay, 0.0};
}

struct TBothWays {
    TLightEvent Up;
    TLightEvent Down;
};

TBothWays SunBothWays(TDateTime day, double altitude, double noonAltitude, double latitude, double longitude)
{
    const auto up = SunCrossing(rsRise, day, altitude, latitude, longitude);
    const auto down = SunCrossing(rsSet, day, altitude, latitude, longitude);
    const double noonAbove = noonAltitude - altitude;
    return {Classified(up, down, noonAbove), Classified(down, up, noonAbove)};
}

TSkyPosition MoonSeenFrom(TDateTime t, double latitude, double longitude)
{
    TSkyPosition moon = MoonPosition(t);
    TopocentricCorrection(moon, t, latitude, longitude, 0.0);
    EquatorialToHorizontal(moon, t, longitude, latitude);
    return moon;
}

TMoonLight MoonAt(const TLightEvent& event, double latitude, double longitude)
{
    TMoonLight light{event, 0.0, 0.0};
    if (event.Kind == lkOccurs) {
        light.Azimuth = FromNorth(MoonSeenFrom(event.Time, latitude, longitude).Azimuth);
        light.IlluminatedFraction = MoonIlluminatedFraction(event.Time);
    }
    return light;
}

}  // namespace

TDayLight DayLight(TDateTime date, double latitude, double longitude)
{
    if (!std::isfinite(date) || !std::isfinite(longitude) || !(std::fabs(latitude) <= 90.0))
        throw E_OutOfAlgorithmRange("Out of range of the algorithm");
    const TDateTime day = std::trunc(date);
    const TDateTime noon = day + 0.5;
    TDayLight light;

    const double sunNoon = SunHorizontal(noon, longitude, latitude).Elevation;
    const struct {
        double Altitude;
        TLightEvent TSunLight::*Field;
    } sunAltitudes[] = {
        {AstronomicalTwilightAltitude, &TSunLight::Astronomical},
        {NauticalTwilightAltitude, &TSunLight::Nautical},
        {CivilTwilightAltitude, &TSunLight::Civil},
        {BlueHourLightAltitude, &TSunLight::BlueGolden},
        {SunRiseSetAltitude, &TSunLight::Horizon},
        {GoldenHourHighAltitude, &TSunLight::Golden},
    };
    for (const auto& a : sunAltitudes) {
        const TBothWays both = SunBothWays(day, a.Altitude, sunNoon, latitude, longitude);
        light.Morning.*a.Field = both.Up;
        light.Evening.*a.Field = both.Down;
    }
    for (TSunLight* side : {&light.Morning, &light.Evening}) {
        if (side->Horizon.Kind == lkOccurs)
            side->HorizonAzimuth = FromNorth(SunHorizontal(side->Horizon.Time, longitude, latitude).Azimuth);
    }

    const auto rise = MoonCrossing(rsRise, day, latitude, longitude);
    const auto set = MoonCrossing(rsSet, day, latitude, longitude);
    double moonNoonAbove = 0.0;
    if (!rise && !set) {
        TSkyPosition moon = MoonPosition(noon);
        EquatorialToHorizontal(moon, noon, longitude, latitude);
        moonNoonAbove = moon.Elevation - MoonRiseSetAltitude(day, latitude, longitude);
    }
    light.Moonrise = MoonAt(Classified(rise, set, moonNoonAbove), latitude, longitude);
    light.Moonset = MoonAt(Classified(set, rise, moonNoonAbove), latitude, longitude);
    return light;
}

}  // namespace astro
