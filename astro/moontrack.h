#pragma once
// The moon's geocentric right ascension and declination around one day, from its own
// positions every six hours, for searches that ask for its place many times.

#include <array>

#include "astro/types.h"

namespace astro {

struct TMoonTrack {
    TDateTime Day;                         // the day's start (0h UT, or any instant)
    std::array<double, 7> RightAscension;  // degrees, continuous across 360/0
    std::array<double, 7> Declination;     // degrees
};

// MoonPosition every six hours from 6h before day (its start) to 6h after its end.
// Failure: as MoonPosition for instants outside the algorithm's range.
TMoonTrack MoonTrack(TDateTime day);

struct TEquatorialPlace {
    double RightAscension;  // degrees, not normalized
    double Declination;     // degrees
};

// The place at the day fraction m (-0.25..1.25) by cubic interpolation through the four
// nearest positions of the track.
// Checked: every quarter hour of the span, 35 days of 2025: within 0.00005 degrees of
//          MoonPosition.
TEquatorialPlace MoonPlaceOnTrack(const TMoonTrack& track, double m);

}  // namespace astro
