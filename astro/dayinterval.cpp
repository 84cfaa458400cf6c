#include "astro/dayinterval.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/errors.h"
#include "astro/moon_position.h"
#include "astro/phases.h"
#include "astro/skyposition.h"
#include "astro/sun.h"
#include "astro/transforms.h"

namespace astro {

namespace {

void CheckSpan(TDateTime start, TDateTime end)
{
    if (!std::isfinite(start) || !std::isfinite(end) || !(end > start) || end - start > LongestDaySpan)
        throw E_OutOfAlgorithmRange("Out of range of the algorithm");
}

bool Inside(TDateTime t, TDateTime start, TDateTime end) { return t >= start && t < end; }

// The 24-hour windows that cover the span: the one from its start and, for a span of other
// than 24 hours, the one that ends with it. A window from the span's own start, rather than a
// UT day, has one crossing of each kind where a UT day across the span's start can hold two
// and answer with the one outside.
template <typename EachWindow>
void ForEachWindow(TDateTime start, TDateTime end, EachWindow each)
{
    each(start);
    if (end - start != 1.0)
        each(end - 1.0);
}

// The earliest of the windows' answers that lies inside [start, end); a window without the
// event (E_NoRiseSet) answers nothing.
template <typename AnswerOfWindow>
std::optional<TDateTime> FirstInside(TDateTime start, TDateTime end, AnswerOfWindow answer)
{
    std::optional<TDateTime> first;
    ForEachWindow(start, end, [&](double window) {
        try {
            const TDateTime t = answer(window);
            if (Inside(t, start, end) && (!first || t < *first))
                first = t;
        } catch (const E_NoRiseSet&) {
        }
    });
    return first;
}

std::optional<TDateTime> SunCrossingBetween(TRiseSetEvent event, TDateTime start, TDateTime end, double altitude,
                                            double latitude, double longitude)
{
    return FirstInside(
        start, end, [&](double window) { return SunAltitudeTimeFrom(event, window, altitude, latitude, longitude); });
}

double FromNorth(double azimuthFromSouth) { return Normalize360(azimuthFromSouth + 180.0); }

TLightEvent Classified(const std::optional<TDateTime>& thisWay, const std::optional<TDateTime>& otherWay,
                       double middleAbove)
{
    if (thisWay)
        return {lkOccurs, *thisWay};
    if (otherWay)
        return {lkOtherDay, 0.0};
    return {middleAbove > 0.0 ? lkAboveAllDay : lkBelowAllDay, 0.0};
}

TMoonLight MoonAt(const TLightEvent& event, double latitude, double longitude)
{
    TMoonLight light{event, 0.0, 0.0};
    if (event.Kind == lkOccurs) {
        TSkyPosition moon = MoonPosition(event.Time);
        TopocentricCorrection(moon, event.Time, latitude, longitude, 0.0);
        EquatorialToHorizontal(moon, event.Time, longitude, latitude);
        light.Azimuth = FromNorth(moon.Azimuth);
        light.IlluminatedFraction = MoonIlluminatedFraction(event.Time);
    }
    return light;
}

}  // namespace

std::optional<TDateTime> RiseTransitSetBetween(bool isSun, TRiseSetEvent event, TDateTime start, TDateTime end,
                                               double latitude, double longitude)
{
    CheckSpan(start, end);
    // RiseTransitSetFrom answers for a window with the event in it whenever it happens then, so
    // the windows covering the span find the event inside it; an answer that falls beside its
    // window counts where it lies inside the span as well.
    return FirstInside(start, end,
                       [&](double window) { return RiseTransitSetFrom(isSun, event, window, latitude, longitude); });
}

TDayLight DayLightBetween(TDateTime start, TDateTime end, double latitude, double longitude)
{
    CheckSpan(start, end);
    if (!std::isfinite(longitude) || !(std::fabs(latitude) <= 90.0))
        throw E_OutOfAlgorithmRange("Out of range of the algorithm");
    const TDateTime middle = (start + end) / 2;
    TDayLight light;

    const double sunMiddle = SunHorizontal(middle, longitude, latitude).Elevation;
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
        const auto up = SunCrossingBetween(rsRise, start, end, a.Altitude, latitude, longitude);
        const auto down = SunCrossingBetween(rsSet, start, end, a.Altitude, latitude, longitude);
        light.Morning.*a.Field = Classified(up, down, sunMiddle - a.Altitude);
        light.Evening.*a.Field = Classified(down, up, sunMiddle - a.Altitude);
    }
    for (TSunLight* side : {&light.Morning, &light.Evening}) {
        if (side->Horizon.Kind == lkOccurs)
            side->HorizonAzimuth = FromNorth(SunHorizontal(side->Horizon.Time, longitude, latitude).Azimuth);
    }

    const auto rise = RiseTransitSetBetween(false, rsRise, start, end, latitude, longitude);
    const auto set = RiseTransitSetBetween(false, rsSet, start, end, latitude, longitude);
    double moonMiddleAbove = 0.0;
    if (!rise && !set) {
        TSkyPosition moon = MoonPosition(middle);
        EquatorialToHorizontal(moon, middle, longitude, latitude);
        moonMiddleAbove = moon.Elevation - MoonRiseSetAltitude(middle, latitude, longitude);
    }
    light.Moonrise = MoonAt(Classified(rise, set, moonMiddleAbove), latitude, longitude);
    light.Moonset = MoonAt(Classified(set, rise, moonMiddleAbove), latitude, longitude);
    return light;
}

}  // namespace astro
