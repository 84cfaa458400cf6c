#include "texts/almanactext.h"

#include "astro/calendar.h"
#include "astro/constants.h"
#include "controls/clock.h"
#include "controls/numbers.h"

#include <QDate>
#include <QLocale>
#include <cmath>

namespace {

// A display value split as a proleptic-Gregorian formatter reads it: the integer part is the
// day, the magnitude of the fraction the time of day.
struct TDisplayParts {
    QDate date;
    int hour;
    int minute;
    int second;
};

TDisplayParts SplitDisplay(astro::TDateTime t)
{
    const astro::TDateTime v = astro::DateTimeToDisplay(t);
    const double day = std::trunc(v);
    // Milliseconds rounded as the platform's time decoding does; a fraction that rounds up to
    // a whole day stays in its own day.
    const double ms =
        std::min(std::round(std::abs(v - day) * astro::MillisecondsPerDay), astro::MillisecondsPerDay - 1);
    const auto whole = static_cast<qint64>(ms) / 1000;
    return {QDate(1899, 12, 30).addDays(static_cast<qint64>(day)), int(whole / 3600), int(whole / 60 % 60),
            int(whole % 60)};
}

QString TwoDigits(int value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); }

QString DayMonthYear(const QDate& date)
{
    return QStringLiteral("%1 %2 %3")
        .arg(date.day())
        .arg(QLocale().monthName(date.month(), QLocale::LongFormat))
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

}  // namespace

int GetUtcBias(const TClock& clock) { return clock.utcBiasMinutes(); }

QString DateTimeText(astro::TDateTime t)
{
    const TDisplayParts parts = SplitDisplay(t);
    return TwoDigits(parts.hour) + ':' + TwoDigits(parts.minute) + ':' + TwoDigits(parts.second) + ' ' +
           DayMonthYear(parts.date);
}

QString EventTimeText(astro::TDateTime t, const TPlaceZone& zone)
{
    const TDisplayParts parts = SplitDisplay(zone.localTime(t));
    return TwoDigits(parts.hour) + ':' + TwoDigits(parts.minute) + u' ' + zone.abbreviationAt(t) + u' ' +
           DayMonthYear(parts.date);
}

QString ClockTimeText(astro::TDateTime t, const TPlaceZone& zone)
{
    const TDisplayParts parts = SplitDisplay(zone.localTime(t));
    return TwoDigits(parts.hour) + ':' + TwoDigits(parts.minute) + u' ' + zone.abbreviationAt(t);
}

QString DateText(astro::TDateTime t) { return DayMonthYear(SplitDisplay(t).date); }

QString AngleText(double x)
{
    const auto s = static_cast<qint64>(RoundTo(std::abs(x) * 3600));
    const qint64 seconds = s % 60;
    const auto minutes = static_cast<qint64>(RoundTo((s - seconds) / 60.0)) % 60;
    const auto degrees = static_cast<qint64>(RoundTo((s - seconds - 60 * minutes) / 3600.0));
    return QStringLiteral("%1%2%3 %4' %5''")
        .arg(x < 0 ? QStringLiteral("-") : QString())
        .arg(degrees)
        .arg(QChar(0x00B0))
        .arg(minutes)
        .arg(seconds);
}

QString ReplaceAll(const QString& pattern, const QString& value, const QString& text)
{
    if (pattern.isEmpty())
        return text;
    QString result = text;
    if (value.contains(pattern))
        return result.replace(pattern, value);
    for (qsizetype at = result.indexOf(pattern); at >= 0; at = result.indexOf(pattern))
        result.replace(at, pattern.size(), value);
    return result;
}

QString UtcOffsetHoursText(int biasMinutes) { return FloatToStr(RoundTo(-biasMinutes * 10 / 60.0) / 10); }
