#pragma once
// The light of a run of a place's local days as a whole file, in the command line's CSV form or
// as an iCalendar file: the command line prints it and More Data exports it, the same bytes for
// the same days.

#include "almanac/placezone.h"
#include "astro/daylight.h"
#include "cli/lightplace.h"

#include <QString>
#include <functional>

enum class TLightFileFormat { Csv, Ics };

// Before 1583 the library's days follow the Julian calendar, while the files' dates are always
// Gregorian: the two would name different days.
inline constexpr int FirstLightYear = 1583;
inline constexpr int LastLightYear = 9999;

// Calls `take` with each of `days` local days of `zone` from the day number `first` on, and
// the light of that day at latitude and longitude (degrees, north and WEST positive); a day the
// zone skipped has no light (nullptr). Throws what astro::DayLightBetween throws.
void ForEachLightDay(const TPlaceZone& zone, double first, int days, double latitude, double longitude,
                     const std::function<void(const TLocalDay& day, const astro::TDayLight* light)>& take);

// The file of those days at `place`: the CSV header and LightCsvRows (cli/lightcsv.h), lines
// ending in a line break; or the calendar of cli/lightics.h made at the instant `stamp`.
QString LightFile(TLightFileFormat format, const TChosenPlace& place, const TPlaceZone& zone, double first, int days,
                  astro::TDateTime stamp);
