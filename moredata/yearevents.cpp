#include "moredata/yearevents.h"

#include "astro/apsides.h"
#include "astro/calendar.h"
#include "astro/chinese_calendar.h"
#include "astro/dayinterval.h"
#include "astro/errors.h"
#include "astro/feasts.h"
#include "astro/moon_position.h"
#include "astro/riseset.h"
#include "astro/seasons.h"
#include "astro/sun.h"
#include "astro/transforms.h"

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

struct TSpanAtPlace {
    TDateTime Start, End;
    double Latitude, Longitude;
};

// The first event of its kind in the span; NaN where there is none or it cannot be computed.
TDateTime EventBetween(bool isSun, astro::TRiseSetEvent event, const TSpanAtPlace& span)
{
    try {
        if (const auto t =
                astro::RiseTransitSetBetween(isSun, event, span.Start, span.End, span.Latitude, span.Longitude))
            return *t;
    } catch (const astro::EAstroError&) {
    }
    return NAN;
}

TBodyDayEvents BodyEventsBetween(bool isSun, const TSpanAtPlace& span)
{
    return {EventBetween(isSun, astro::rsRise, span), EventBetween(isSun, astro::rsTransit, span),
            EventBetween(isSun, astro::rsSet, span)};
}

// The altitude of a transit below the body's horizon; none for one above it or none at all.
std::optional<double> TransitBelowHorizon(bool isSun, TDateTime transit, double latitude, double longitude)
{
    if (std::isnan(transit))
        return std::nullopt;
    astro::TSkyPosition pos = isSun ? astro::SunPosition(transit) : astro::MoonPosition(transit);
    astro::EquatorialToHorizontal(pos, transit, longitude, latitude);
    const double horizon = isSun ? astro::SunRiseSetAltitude : astro::MoonRiseSetAltitude(transit, latitude, longitude);
    if (pos.Elevation >= horizon)
        return std::nullopt;
    return pos.Elevation;
}

TDateTime OccurringTime(const astro::TLightEvent& event) { return event.Kind == astro::lkOccurs ? event.Time : NAN; }

}  // namespace

int YearOfInstant(TDateTime instant) { return astro::DateTimeToCalendar(instant).Year; }

TYearDates YearDates(int year)
{
    TYearDates dates;
    dates.Seasons = Seasons(year);
    dates.Easter = Feast([year] { return TFeastDay{astro::EasterDate(year)}; });
    dates.Passover = Feast([year] { return TFeastDay{astro::PassoverDate(year)}; });
    dates.ChineseNewYear = Feast([year] {
        const TDateTime newYear = astro::ChineseNewYearOf(year);
        return TFeastDay{newYear, astro::ChineseDateOf(newYear).YearBranch};
    });
    return dates;
}

TYearEvents YearEvents(TDateTime instant) { return YearEvents(instant, YearDates(YearOfInstant(instant))); }

TYearEvents YearEvents(TDateTime instant, const TYearDates& dates)
{
    TYearEvents events{};
    static_cast<TYearDates&>(events) = dates;
    events.Perigee = astro::PerigeeAfter(instant);
    events.Apogee = astro::ApogeeAfter(instant);
    events.Perihelion = astro::PerihelionAfter(instant);
    events.Aphelion = astro::AphelionAfter(instant);
    events.SolarEclipse = instant;
    events.SolarType = astro::NextEclipse(events.SolarEclipse, true);
    events.LunarEclipse = instant;
    events.LunarType = astro::NextEclipse(events.LunarEclipse, false);
    return events;
}

TDayEvents DayEvents(double day, double latitude, double longitude)
{
    return {BodyEvents({astro::SunRiseTime, astro::SunTransitTime, astro::SunSetTime}, day, latitude, longitude),
            BodyEvents({astro::MoonRiseTime, astro::MoonTransitTime, astro::MoonSetTime}, day, latitude, longitude)};
}

TDayEvents DayEventsBetween(TDateTime start, TDateTime end, double latitude, double longitude)
{
    const TSpanAtPlace span{start, end, latitude, longitude};
    return {BodyEventsBetween(true, span), BodyEventsBetween(false, span)};
}

TDayEvents DayEventsBetween(TDateTime start, TDateTime end, double latitude, double longitude,
                            const astro::TDayLight& light)
{
    const TSpanAtPlace span{start, end, latitude, longitude};
    return {BodyEventsBetween(true, span),
            {OccurringTime(light.Moonrise.Horizon), EventBetween(false, astro::rsTransit, span),
             OccurringTime(light.Moonset.Horizon)}};
}

TDaySky DaySky(const TDayEvents& events, double latitude, double longitude)
{
    return {{events.Sun, TransitBelowHorizon(true, events.Sun[1], latitude, longitude)},
            {events.Moon, TransitBelowHorizon(false, events.Moon[1], latitude, longitude)}};
}
