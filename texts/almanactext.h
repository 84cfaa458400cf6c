#pragma once
// Texts of instants, angles and the time-zone offset as the almanac windows show them, and the
// universal-time bias they all use.

#include <QString>

#include "almanac/placezone.h"
#include "astro/types.h"

class TClock;

// Minutes that, added to local time, give universal time (negative east of Greenwich), as the
// clock reports them for its current zone state.
int GetUtcBias(const TClock& clock);

// "hh:nn:ss d mmmm yyyy" of the instant t (TDateTime) with the locale's long month names;
// before 1582-10-15 the date is the Julian-calendar one. Milliseconds are dropped.
// Throws astro::EConvertError for an instant outside years 1..9999.
QString DateTimeText(astro::TDateTime t);

// "hh:nn UTC d mmmm yyyy" of the instant t, e.g. "01:43 UTC 20 December 2026"; seconds are
// dropped. In another zone, its local time and date with the zone's name for that instant:
// "02:43 CET 20 December 2026". Throws as DateTimeText.
QString EventTimeText(astro::TDateTime t, const TPlaceZone& zone = TPlaceZone());

// "hh:nn UTC" of the instant t, or "hh:nn CEST" in another zone, seconds dropped as in
// EventTimeText. Throws as DateTimeText.
QString ClockTimeText(astro::TDateTime t, const TPlaceZone& zone = TPlaceZone());

// "d mmmm yyyy" of the day of t (historical calendar). Throws as DateTimeText.
QString DateText(astro::TDateTime t);

// Degrees, minutes and seconds of arc of x (degrees): "-32° 26' 0''". Whole arc-seconds,
// rounded half to even; a "-" only for a negative x.
QString AngleText(double x);

// Replaces the leftmost occurrence of pattern by value until none is left. A value that
// contains the pattern would never end; it is then replaced once everywhere instead.
QString ReplaceAll(const QString& pattern, const QString& value, const QString& text);

// The local time's offset from universal time in hours, to one decimal (halves to even), in
// the general number format with the locale's decimal separator: bias -345 gives "5.8".
QString UtcOffsetHoursText(int biasMinutes);
