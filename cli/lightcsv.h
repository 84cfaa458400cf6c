#pragma once
// The light of a place's local days as CSV, the command line's machine-readable form: one row
// per event per day, always all fourteen in the same order, so that a script can rely on the
// row count and position. Numbers and times never depend on the user's locale; the reason an
// event is missing is the Light block's own, in English.

#include "almanac/placezone.h"
#include "astro/daylight.h"

#include <QString>
#include <QStringList>

// The header line, without its line break:
// "date,event,local_time,utc_time,azimuth,note,illuminated".
QString LightCsvHeader();

// The names of the fourteen events, in the order of the rows.
QStringList LightCsvEvents();

// The fourteen rows (without line breaks) of the local day `day` of `zone`, whose light is
// `light`; a day the zone skipped (day.empty()) has no light (nullptr) and each row then says
// "Not on this day".
QStringList LightCsvRows(const TLocalDay& day, const astro::TDayLight* light, const TPlaceZone& zone);

// "2027-06-21T04:43:12+02:00": the instant ut (universal time) on the clock of zone, to the
// nearest second, with the offset in force then. Empty for a non-finite ut.
QString IsoLocalTime(astro::TDateTime ut, const TPlaceZone& zone);

// "2027-06-21T02:43:12Z": the instant ut in universal time, to the nearest second. Empty for a
// non-finite ut.
QString IsoUniversalTime(astro::TDateTime ut);

// A field as CSV writes it: quoted, with its quotes doubled, when it holds a comma, a quote or
// a line break; as it is otherwise.
QString CsvField(const QString& text);
