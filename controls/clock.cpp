#include "controls/clock.h"

#include <QDateTime>
#include <QTimeZone>

namespace {

// 1899-12-30, day 0 of the TDateTime scale.
const QDate DayZero(1899, 12, 30);

}  // namespace

TClockTime TSystemClock::localNow() const
{
    const QDateTime now = QDateTime::currentDateTime();
    const double day = double(DayZero.daysTo(now.date()));
    return day + now.time().msecsSinceStartOfDay() / astro::MillisecondsPerDay;
}

int TSystemClock::utcBiasMinutes() const { return -QDateTime::currentDateTime().offsetFromUtc() / 60; }

QTimeZone TSystemClock::zone() const { return QTimeZone::systemTimeZone(); }

TClockTime TSystemClock::universalNow() const
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    return double(DayZero.daysTo(now.date())) + now.time().msecsSinceStartOfDay() / astro::MillisecondsPerDay;
}
