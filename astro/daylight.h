#pragma once
// The photographer's light of one day at one place: the three twilights, the blue and the
// golden hour, sunrise and sunset with their directions, moonrise and moonset with their
// directions and the moon's phase. Instants in universal time on the library's linear scale.

#include <cstdint>

#include "astro/types.h"

namespace astro {

// Altitudes of the sun's centre (degrees, geometric: no refraction, no semidiameter) that
// bound the light of the day. Civil twilight runs from -6 degrees to sunrise and from sunset
// to -6 degrees; the blue hour from -6 to -4 degrees, the golden hour from -4 to +6 degrees.
inline constexpr double AstronomicalTwilightAltitude = -18.0;
inline constexpr double NauticalTwilightAltitude = -12.0;
inline constexpr double CivilTwilightAltitude = -6.0;
inline constexpr double BlueHourLightAltitude = -4.0;
inline constexpr double GoldenHourHighAltitude = 6.0;

// Whether a crossing happens on the day, and why not when it does not.
enum TLightKind : std::uint8_t {
    lkOccurs = 0,       // it happens that day: Time holds the instant
    lkAboveAllDay = 1,  // the body stays above the altitude all day (midnight sun, no night)
    lkBelowAllDay = 2,  // the body stays below the altitude all day (polar night)
    lkOtherDay = 3,     // it crosses the other way that day, but this way only on another day
};

// One crossing of an altitude on the day.
struct TLightEvent {
    TLightKind Kind = lkBelowAllDay;
    TDateTime Time = 0.0;  // universal time; only for lkOccurs
};

// The sun's crossings of one half of the day, going up in the morning and down in the
// evening. Morning: blue hour from Civil to BlueGolden, golden hour from BlueGolden to
// Golden. Evening: golden hour from Golden to BlueGolden, blue hour from BlueGolden to Civil.
struct TSunLight {
    TLightEvent Astronomical;     // -18 degrees: astronomical dawn / astronomical dusk
    TLightEvent Nautical;         // -12 degrees: nautical dawn / nautical dusk
    TLightEvent Civil;            // -6 degrees: civil dawn / civil dusk
    TLightEvent BlueGolden;       // -4 degrees: between the blue and the golden hour
    TLightEvent Horizon;          // sunrise / sunset (SunRiseSetAltitude)
    double HorizonAzimuth = 0.0;  // of Horizon: degrees from north through east (east 90)
    TLightEvent Golden;           // +6 degrees: the golden hour's high end
};

// Moonrise or moonset.
struct TMoonLight {
    TLightEvent Horizon;               // as RiseTransitSet finds it, on the day or not at all
    double Azimuth = 0.0;              // degrees from north through east (east 90)
    double IlluminatedFraction = 0.0;  // of the moon's disc at that instant, 0..1
};

struct TDayLight {
    TSunLight Morning;
    TSunLight Evening;
    TMoonLight Moonrise;
    TMoonLight Moonset;
};

// Returns the light of the UT day of date (its integer part) for an observer at latitude and
// longitude (degrees, north and WEST positive): every crossing with its instant, or the
// reason why it does not happen that day. Azimuths are those of the topocentric place.
// Failure: E_OutOfAlgorithmRange "Out of range of the algorithm" when date, latitude or
//          longitude is not a finite number or the latitude lies beyond +-90 degrees.
// Method: DayLightBetween (dayinterval.h) over the UT day: SunAltitudeTime for the sun,
//         RiseTransitSet for the moon; a crossing missing both ways is above or below all day
//         as the body stands at noon UT.
// Checked: 52 N on an ordinary day, 69.65 N at midsummer and midwinter (crossings in order;
//          the missing ones with the right reason).
TDayLight DayLight(TDateTime date, double latitude, double longitude);

}  // namespace astro
