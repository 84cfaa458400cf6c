#pragma once
// The clock and the days of a place: its time zone, with the offset from universal time taken
// at each instant (the offset on the day of an event, never today's), and its civil days,
// [local 00:00, next local 00:00) in universal time, 23 or 25 hours long on the days the clocks
// change. Instants are TDateTime in universal time; local times and local day numbers are on
// the same linear scale, so that the day number of a local date is CalendarToDateTime's.

#include "astro/types.h"

#include <QString>
#include <QTimeZone>

// One civil day of a place.
struct TLocalDay {
    double Number = 0;           // the local day number (whole), as CalendarToDateTime gives it
    astro::TDateTime Start = 0;  // universal time of its first instant
    astro::TDateTime End = 0;    // universal time of the next day's first instant
    // A day the zone skipped (Samoa's 30 December 2011) has no instant at all.
    bool empty() const { return !(End - Start >= 0.001 / 86400); }
};

class TPlaceZone {
public:
    // Universal time itself.
    TPlaceZone();
    // An invalid zone reads as universal time.
    explicit TPlaceZone(const QTimeZone& zone);

    QTimeZone zone() const { return FZone; }
    // The IANA id, or "UTC".
    QString id() const;

    // Seconds the zone's clock is ahead of universal time at the instant ut (0 for NaN).
    int offsetSecondsAt(astro::TDateTime ut) const;
    // The zone's local time at the instant ut, on the linear scale.
    astro::TDateTime localTime(astro::TDateTime ut) const;
    // The short name of the zone's time at ut: its abbreviation ("CEST", "AEDT", "UTC"), or
    // "UTC+10", "UTC+5:45", "UTC-3" where the zone has no letters for it.
    QString abbreviationAt(astro::TDateTime ut) const;

    // The local day the instant ut falls in.
    TLocalDay dayOf(astro::TDateTime ut) const;
    // The local day with that number.
    TLocalDay day(double number) const;

private:
    // The universal time of the first instant of a local day.
    astro::TDateTime dayStart(double number) const;

    QTimeZone FZone;
};

// "UTC+2", "UTC+5:45", "UTC-9:30", "UTC": an offset from universal time in seconds.
QString UtcOffsetText(int offsetSeconds);
