#pragma once
// The principal phases of the lunation an instant lies in, as the moon window shows them. They
// stay the same all through the lunation, so the window searches them once per lunation
// instead of once per tick.

#include "astro/types.h"

struct TLunationPhases {
    // The last new moon at or before the instant, the quarters and the full moon after it and
    // the next new moon after the instant.
    astro::TDateTime LastNew, FirstQuarter, Full, LastQuarter, NextNew;
    // Number of the lunation that began at LastNew, and whether its full moon is a blue moon.
    int Lunation;
    bool BlueMoon;

    // Whether these phases are also those of ut: it lies inside the lunation, clear of the
    // instants at which a search takes ut itself for the new moon.
    bool Covers(astro::TDateTime ut) const;
};

// The phases of the lunation of ut (universal time, TDateTime).
// Throws astro::EAstroError where a phase search is out of its range.
TLunationPhases LunationPhasesAt(astro::TDateTime ut);
