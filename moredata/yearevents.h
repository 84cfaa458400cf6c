#pragma once
// The events the More Data window lists around an instant, as instants (universal time): the
// window formats them and the benchmark times exactly what the window computes.

#include "astro/eclipses.h"
#include "astro/types.h"

#include <array>
#include <cstdint>
#include <optional>

struct TFeastDay {
    astro::TDateTime Date;
    // The earthly branch of the year (0 Rat .. 11 Pig); only the Chinese New Year has one.
    std::uint8_t Branch = 0;
};

struct TYearEvents {
    // Spring, summer, autumn and winter of the instant's year; none when one of them is out of
    // the method's range.
    std::optional<std::array<astro::TDateTime, 4>> Seasons;
    astro::TDateTime Perigee, Apogee, Perihelion, Aphelion;
    astro::TDateTime SolarEclipse, LunarEclipse;
    astro::TEclipse SolarType, LunarType;
    // Each feast has its own range of years; none outside it.
    std::optional<TFeastDay> Easter, Passover, ChineseNewYear;
};

// The year's events after (or of the year of) instant, a TDateTime in universal time.
// Throws astro::EAstroError where the next perigee, apogee, perihelion, aphelion or eclipse
// lies beyond the methods' range.
TYearEvents YearEvents(astro::TDateTime instant);

// Rise, transit and set of one body; NaN where the event does not fall on the day.
using TBodyDayEvents = std::array<astro::TDateTime, 3>;

struct TDayEvents {
    TBodyDayEvents Sun, Moon;
};

// The sun's and the moon's rise, transit and set on day (a whole day number, universal time)
// at latitude (degrees, north positive) and longitude (degrees, west positive). A failing
// event ends its body's block: it and the events after it stay NaN.
TDayEvents DayEvents(double day, double latitude, double longitude);

// The same for the span [start, end) of universal time, a place's local day: each event the
// first of its kind in the span, NaN where there is none.
TDayEvents DayEventsBetween(astro::TDateTime start, astro::TDateTime end, double latitude, double longitude);
