#pragma once
// The photographer's night at one place: its dark windows, when the sun is below
// astronomical twilight and the moon is down, and in each of them when the core of the Milky
// Way (the galactic centre) stands high enough to photograph. Instants in universal time on
// the library's linear scale; observer latitude north positive, longitude WEST positive, both
// in degrees.

#include <cstdint>
#include <vector>

#include "astro/types.h"

namespace astro {

// The core counts as visible from this geometric altitude (degrees) up, unless asked otherwise.
inline constexpr double DefaultCoreAltitude = 10.0;

// A faint moon counts as down when it is lit less than this share of its disc (per cent), if
// asked to.
inline constexpr double DefaultFaintMoonPercent = 10.0;

struct TNightOptions {
    // Whether a moon lit less than FaintMoonPercent counts as down (judged once, at the
    // middle of the night: the share changes by at most 13 points in a night).
    bool FaintMoonCountsAsDown = false;
    double FaintMoonPercent = DefaultFaintMoonPercent;  // 0..100
    double CoreAltitude = DefaultCoreAltitude;          // degrees, geometric, -90..90
};

// Why a night has no dark window, or that it has one.
enum TNightDarkness : std::uint8_t {
    ndDark = 0,              // one or more dark windows
    ndMoonUpAllNight = 1,    // the sun goes below -18 degrees, but only while the moon is up
    ndSunAboveAllNight = 2,  // the sun stays above -18 degrees all night (white night)
};

// The core at an instant: azimuth degrees from north through east, altitude geometric.
struct TCoreSight {
    TDateTime Time = 0.0;
    double Azimuth = 0.0;
    double Altitude = 0.0;
};

// A span of a dark window in which the core stands at least CoreAltitude high; Start or End
// is the window's own edge when the core is already or still that high then. Highest is its
// culmination when that falls inside the span, else the edge nearer to it.
struct TCoreSpan {
    TCoreSight Start;
    TCoreSight Highest;
    TCoreSight End;
};

struct TDarkWindow {
    TDateTime Start = 0.0;        // universal time; the night's start when it is dark then
    TDateTime End = 0.0;          // universal time; the night's end when it is dark then
    std::vector<TCoreSpan> Core;  // in time order; empty when the core stays too low
};

struct TNight {
    TNightDarkness Darkness = ndSunAboveAllNight;
    std::vector<TDarkWindow> Windows;    // in time order
    double MoonIlluminatedFraction = 0;  // at the middle of the night, 0..1
};

// The night [start, end) (universal time; a place's local noon to the next) at latitude and
// longitude (degrees, north and WEST positive).
// Failure: E_OutOfAlgorithmRange "Out of range of the algorithm" when start or end is not
//          finite or outside the algorithm's range, end does not follow start, the span is
//          longer than LongestDaySpan (dayinterval.h), the latitude is not within -90..90, the
//          longitude not finite, or an option lies outside its range.
// Method:  the sun's centre below AstronomicalTwilightAltitude (geometric) and the moon's
//          altitude below its standard altitude at rising (MoonRiseSetAltitude, riseset.h:
//          upper limb, refraction, parallax) are each found as the zero crossings
//          (DayZeroCrossings, crossings.h) of the altitude less the limit over the span, the
//          sun's from its positions at the start, middle and end interpolated, the moon's from
//          its six-hourly track (moontrack.h); the windows are where both are down. The
//          core's apparent place (GalacticCentrePosition) is taken at the middle of the night
//          (it moves less than 1" in it) and its altitude crossings and culmination follow
//          from its hour angle in closed form.
// Checked: against a scan every minute, bisected to a second, of the sun's, the moon's and the
//          core's altitudes from their full positions at each instant (SunHorizontal,
//          MoonPosition with MoonRiseSetAltitude, GalacticCentrePosition): at 0, 35 S, 52 N and
//          64 N at new moon, full moon, midsummer and midwinter, every window edge and core
//          time within 0.4 s, none missed or invented; white nights at 52 N and 64 N in June;
//          the core's culmination at 90 - |latitude - declination| on the meridian.
TNight NightBetween(TDateTime start, TDateTime end, double latitude, double longitude,
                    const TNightOptions& options = {});

}  // namespace astro
