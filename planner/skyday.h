#pragma once
// The sky of one local day at one place, as the sky chart draws it: the sun's, the moon's and
// the Milky Way core's places sampled through the day, the light phase the sun's altitude
// makes, and the day's rise and set directions. Computed once a day and place; the chart and
// its time slider only look things up.

#include "almanac/placezone.h"
#include "astro/daylight.h"

#include <vector>

// The light of the sky as the sun's centre makes it, darkest first.
enum class TLightPhase {
    Night,         // below -18 degrees
    Astronomical,  // -18 .. -12
    Nautical,      // -12 .. -6
    BlueHour,      // -6 .. -4
    GoldenHour,    // -4 .. +6
    Day,           // above +6
};

// The phase of a geometric altitude of the sun's centre (degrees).
TLightPhase LightPhaseOf(double sunAltitude);

// A body's place in the sky: azimuth degrees from north through east, [0, 360); altitude
// degrees, geometric (no refraction).
struct TSkyPlace {
    double Azimuth = 0;
    double Altitude = 0;
};

struct TSkySample {
    astro::TDateTime Time = 0;  // universal time
    TSkyPlace Sun;
    TSkyPlace Moon;  // as seen from the place (parallax included)
    TSkyPlace Core;  // the galactic centre
};

// The sky at the instant ut at latitude and longitude (degrees, north and WEST positive).
TSkySample SkySampleAt(astro::TDateTime ut, double latitude, double longitude);

struct TSkyDay {
    TLocalDay Day;
    double Latitude = 0;
    double Longitude = 0;  // WEST positive
    // From the day's first instant to its last, every SampleMinutes, and the day's end.
    std::vector<TSkySample> Samples;
    astro::TDayLight Light;
    // The moon at the day's middle: lit share 0..1, and whether it waxes.
    double MoonIlluminatedFraction = 0;
    bool MoonWaxing = true;

    bool empty() const { return Samples.empty(); }
    // The sample nearest to ut; the first or last one outside the day. Needs a day with samples.
    const TSkySample& nearest(astro::TDateTime ut) const;
};

// Minutes between two samples: a path drawn through them looks smooth at any size a screen
// gives the chart, and a day costs 145 positions of each body.
inline constexpr int SampleMinutes = 10;

// The sky of `day` (a local day of the place's zone) at latitude and longitude (degrees, north
// and WEST positive). A day the zone skipped has no samples.
// Failure: E_OutOfAlgorithmRange from the library for coordinates out of range.
TSkyDay ComputeSkyDay(const TLocalDay& day, double latitude, double longitude);
