#pragma once
// The light of a place's local days as an iCalendar file (RFC 5545), for calendar programs: the
// golden and blue hours of the morning and the evening as spans, sunrise, sunset, moonrise and
// moonset as short events, their titles in the user's language. A day brings only the events
// that happen on it. Instants are written in universal time; each event's UID stays the same
// for its place, local date and kind, so that a calendar importing the file again updates its
// events instead of doubling them.

#include "almanac/placezone.h"
#include "astro/daylight.h"
#include "cli/lightplace.h"

#include <QString>

// The lines that open the calendar: BEGIN:VCALENDAR, its version, the program as its producer,
// the Gregorian calendar and METHOD:PUBLISH. Each line ends in CRLF.
QString LightIcsHeader();

// The line that closes the calendar, with its CRLF.
QString LightIcsFooter();

// The VEVENTs of the local day `day` at `place`, whose light is `light`, in the order they
// begin; nothing for a day the zone skipped (day.empty() or no light). `stamp` (universal
// time) is the instant the file is made, its DTSTAMP.
QString LightIcsDay(const TLocalDay& day, const astro::TDayLight* light, const TChosenPlace& place,
                    astro::TDateTime stamp);

// A content line as the file holds it: folded into lines of at most 75 UTF-8 octets, each line
// after the first starting with one space, a character never split between two; every line
// ends in CRLF.
QString IcsContentLine(const QString& line);

// A TEXT value: backslash, semicolon and comma escaped, a line break written as \n, other
// control characters left out.
QString IcsText(const QString& text);

// "<place hash>-20270621-sunrise@shutterly": the UID of the event `event` of the local day
// `dayNumber` at `place`. The hash covers the place's name and its coordinates as the file
// writes them.
QString LightIcsUid(const TChosenPlace& place, double dayNumber, const QString& event);
