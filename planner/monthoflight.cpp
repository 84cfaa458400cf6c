#include "planner/monthoflight.h"

#include "almanac/placenight.h"
#include "astro/calendar.h"
#include "astro/dayinterval.h"
#include "astro/phases.h"

#include <cmath>

bool TMonthOfLight::holds(const TPlaceZone& zone, double number, double latitude, double longitude) const
{
    if (empty() || latitude != Latitude || longitude != Longitude || zone.id() != ZoneId)
        return false;
    const astro::TCalendarDate date = astro::DateTimeToCalendar(std::floor(number));
    return date.Year == Year && date.Month == Month;
}

TMonthOfLight ComputeMonthOfLight(const TPlaceZone& zone, double number, double latitude, double longitude)
{
    const astro::TCalendarDate date = astro::DateTimeToCalendar(std::floor(number));
    TMonthOfLight month;
    month.Year = date.Year;
    month.Month = date.Month;
    month.Latitude = latitude;
    month.Longitude = longitude;
    month.ZoneId = zone.id();
    const double first = astro::CalendarToDateTime(date.Year, date.Month, 1);
    const double next = date.Month == 12 ? astro::CalendarToDateTime(date.Year + 1, 1, 1)
                                         : astro::CalendarToDateTime(date.Year, date.Month + 1, 1);
    month.Days.reserve(static_cast<std::size_t>(next - first));
    for (double day = first; day < next; ++day) {
        TMonthDay row;
        row.Day = zone.day(day);
        if (!row.Day.empty()) {
            row.Light = astro::DayLightBetween(row.Day.Start, row.Day.End, latitude, longitude);
            const TLocalNight night = NightOfDay(zone, day);
            if (!night.empty())
                row.Night = astro::NightBetween(night.Start, night.End, latitude, longitude);
            const double middle = (row.Day.Start + row.Day.End) / 2;
            row.MoonIlluminatedFraction = astro::MoonIlluminatedFraction(middle);
            row.MoonWaxing = astro::MoonPhaseAngle(middle) >= 0;
        }
        month.Days.push_back(row);
    }
    return month;
}
