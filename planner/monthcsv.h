#pragma once
// A month of light as CSV: one row a day, its times on one clock as ISO 8601 local times with
// their offset, so that a spreadsheet sorts them and a script gets back the universal time. An
// event the day does not have is an empty field.

#include "almanac/placezone.h"
#include "planner/monthoflight.h"

#include <QString>

// The header line, without its line break:
// "date,morning_blue_hour_start,morning_golden_hour_start,sunrise,morning_golden_hour_end,
//  evening_golden_hour_start,sunset,evening_golden_hour_end,evening_blue_hour_end,moonrise,
//  moonset,moon_illuminated,moon_waxing,dark_sky" (one line).
QString MonthCsvHeader();

// The header and a row for each day of `month`, each line ending in a line break, the times on
// the clock of `zone`. moon_illuminated is the per cent lit at the day's middle, moon_waxing
// "yes" or "no"; dark_sky the night's dark windows as "start/end" intervals parted by ";".
// A day the zone skipped has its date and empty fields.
QString MonthCsv(const TMonthOfLight& month, const TPlaceZone& zone);
