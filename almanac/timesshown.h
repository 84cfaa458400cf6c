#pragma once
// Which clock the almanac's times of a place are shown on: the place's own (the default), the
// computer's or universal time. Kept in the settings file as [Current] Times=place, computer or
// utc; anything else reads as the place's.

#include "almanac/placezone.h"

#include <QString>

class TClock;

enum TTimesShown { tsPlace, tsComputer, tsUtc };

TTimesShown ReadTimesShown(const QString& fileName);
// Throws EUserError "Unable to write to <file>".
void WriteTimesShown(const QString& fileName, TTimesShown times);

// The zone the times are shown in: the place's, the computer's (the clock's zone) or UTC.
TPlaceZone ShownZone(TTimesShown times, const TPlaceZone& place, const TClock& clock);
