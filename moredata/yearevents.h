#pragma once
// The events the More Data window lists around an instant, as instants (universal time): the
// window formats them and the benchmark times exactly what the window computes.

#include "astro/daylight.h"
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

// The events of a year that do not depend on the day within it.
struct TYearDates {
    // Spring, summer, autumn and winter; none when one of them is out of the method's range.
    std::optional<std::array<astro::TDateTime, 4>> Seasons;
    // Each feast has its own range of years; none outside it.
    std::optional<TFeastDay> Easter, Passover, ChineseNewYear;
};

struct TYearEvents : TYearDates {
    astro::TDateTime Perigee, Apogee, Perihelion, Aphelion;
    astro::TDateTime SolarEclipse, LunarEclipse;
    astro::TEclipse SolarType, LunarType;
};

// The year (universal time) whose dates YearEvents lists for instant.
int YearOfInstant(astro::TDateTime instant);

// The seasons and feasts of year.
TYearDates YearDates(int year);

// The year's events after (or of the year of) instant, a TDateTime in universal time.
// Throws astro::EAstroError where the next perigee, apogee, perihelion, aphelion or eclipse
// lies beyond the methods' range.
TYearEvents YearEvents(astro::TDateTime instant);

// The same with the dates of the instant's year already known: `dates` must be
// YearDates(YearOfInstant(instant)).
TYearEvents YearEvents(astro::TDateTime instant, const TYearDates& dates);

// Rise, transit and set of one body; NaN where the event does not fall on the day.
using TBodyDayEvents = std::array<astro::TDateTime, 3>;

struct TDayEvents {
    TBodyDayEvents Sun, Moon;
};

// A body's day as the window shows it: its rise, transit and set and, for a transit it makes
// below its horizon (the sun of a polar night, a moon that stays down), its altitude then
// (degrees).
struct TBodyDay {
    TBodyDayEvents Events;
    std::optional<double> TransitBelowHorizon;
};

struct TDaySky {
    TBodyDay Sun, Moon;
};

// The sun's and the moon's rise, transit and set on day (a whole day number, universal time)
// at latitude (degrees, north positive) and longitude (degrees, west positive). A failing
// event ends its body's block: it and the events after it stay NaN.
TDayEvents DayEvents(double day, double latitude, double longitude);

// The same for the span [start, end) of universal time, a place's local day: each event the
// first of its kind in the span, NaN where there is none.
TDayEvents DayEventsBetween(astro::TDateTime start, astro::TDateTime end, double latitude, double longitude);

// The same with the moon's rise and set taken from `light`, DayLightBetween of the same span and
// place, which has found them as this would.
TDayEvents DayEventsBetween(astro::TDateTime start, astro::TDateTime end, double latitude, double longitude,
                            const astro::TDayLight& light);

// The day of events, found at latitude and longitude (degrees, west positive), with the
// altitudes of their transits.
TDaySky DaySky(const TDayEvents& events, double latitude, double longitude);
