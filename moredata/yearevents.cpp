#include "moredata/yearevents.h"

#include "astro/apsides.h"
#include "astro/calendar.h"
#include "astro/chinese_calendar.h"
#include "astro/dayinterval.h"
#include "astro/errors.h"
#include "astro/feasts.h"
#include "astro/riseset.h"
#include "astro/seasons.h"

#include <cmath>

namespace {

using astro::TDateTime;

std::optional<std::array<TDateTime, 4>> Seasons(int year)
{
    try {
        return std::array<TDateTime, 4>{
            astro::SeasonBegin(year, astro::ssSpring), astro::SeasonBegin(year, astro::ssSummer),
            astro::SeasonBegin(year, astro::ssAutumn), astro::SeasonBegin(year, astro::ssWinter)};
    } catch (const astro::EAstroError&) {
        return std::nullopt;
    }
}

template <typename Compute>
std::optional<TFeastDay> Feast(Compute compute)
{
    try {
        return compute();
    } catch (const astro::EAstroError&) {
        return std::nullopt;
    }
}

using TEventFunction = TDateTime (*)(TDateTime date, double latitude, double longitude);

// The event of day: the algorithm answers for the day it is asked, but its instant can fall on
// a neighbour, so the neighbours are asked as well. The day of an instant is the one it lies in
// on the linear scale, before 1899 as well.
TDateTime EventOfDay(TEventFunction event, double day, double latitude, double longitude)
{
    TDateTime r = event(day, latitude, longitude);
    if (std::floor(r) < day)
        r = event(day + 1, latitude, longitude);
    if (std::floor(r) > day)
        r = event(day - 1, latitude, longitude);
    return std::floor(r) == day ? r : NAN;
}

// Each event on its own: a day without a moonrise can still have the moon's transit or set.
TBodyDayEvents BodyEvents(const std::array<TEventFunction, 3>& events, double day, double latitude, double longitude)
{
    TBodyDayEvents result{NAN, NAN, NAN};
    for (std::size_t i = 0; i < events.size(); ++i) {
        try {
            result[i] = EventOfDay(events[i], day, latitude, longitude);
        } catch (const astro::EAstroError&) {
        }
    }
    return result;
}

}  // namespace

TYearEvents YearEvents(TDateTime instant)
{
    const int year = astro::DateTimeToCalendar(instant).Year;
    TYearEvents events{};
    events.Seasons = Seasons(year);
    events.Perigee = astro::PerigeeAfter(instant);
    events.Apogee = astro::ApogeeAfter(instant);
    events.Perihelion = astro::PerihelionAfter(instant);
    events.Aphelion = astro::AphelionAfter(instant);
    events.SolarEclipse = instant;
    events.SolarType = astro::NextEclipse(events.SolarEclipse, true);
    events.LunarEclipse = instant;
    events.LunarType = astro::NextEclipse(events.LunarEclipse, false);
    events.Easter = Feast([year] { return TFeastDay{astro::EasterDate(year)}; });
    events.Passover = Feast([year] { return TFeastDay{astro::PassoverDate(year)}; });
    events.ChineseNewYear = Feast([year] {
        const TDateTime newYear = astro::ChineseNewYearOf(year);
        return TFeastDay{newYear, astro::ChineseDateOf(newYear).YearBranch};
    });
    return events;
}

TDayEvents DayEvents(double day, double latitude, double longitude)
{
    return {BodyEvents({astro::SunRiseTime, astro::SunTransitTime, astro::SunSetTime}, day, latitude, longitude),
            BodyEvents({astro::MoonRiseTime, astro::MoonTransitTime, astro::MoonSetTime}, day, latitude, longitude)};
}

TDayEvents DayEventsBetween(TDateTime start, TDateTime end, double latitude, double longitude)
{
    TDayEvents events{{NAN, NAN, NAN}, {NAN, NAN, NAN}};
    const astro::TRiseSetEvent order[] = {astro::rsRise, astro::rsTransit, astro::rsSet};
    for (const bool isSun : {true, false}) {
        TBodyDayEvents& body = isSun ? events.Sun : events.Moon;
        for (std::size_t i = 0; i < body.size(); ++i) {
            try {
                if (const auto t = astro::RiseTransitSetBetween(isSun, order[i], start, end, latitude, longitude))
                    body[i] = *t;
            } catch (const astro::EAstroError&) {
            }
        }
    }
    return events;
}
