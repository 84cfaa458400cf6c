#include "almanac/placezone.h"

#include "astro/constants.h"

#include <QDateTime>
#include <cmath>

namespace {

// TDateTime of 1970-01-01 00:00, the epoch of the platform's time.
constexpr double UnixEpochDay = 25569;

QDateTime AsDateTime(astro::TDateTime ut)
{
    return QDateTime::fromMSecsSinceEpoch(std::llround((ut - UnixEpochDay) * astro::MillisecondsPerDay),
                                          QTimeZone::utc());
}

bool IsOffsetName(const QString& abbreviation)
{
    return abbreviation.isEmpty() || abbreviation.startsWith(u'+') || abbreviation.startsWith(u'-') ||
           abbreviation.startsWith(QStringLiteral("GMT")) || abbreviation.startsWith(QStringLiteral("UTC"));
}

// Halving the step from an hour to a millisecond needs 22 rounds.
constexpr int BisectionRounds = 40;

}  // namespace

QString UtcOffsetText(int offsetSeconds)
{
    if (offsetSeconds == 0)
        return QStringLiteral("UTC");
    const int minutes = std::abs(offsetSeconds) / 60;
    QString text = QStringLiteral("UTC") + (offsetSeconds < 0 ? u'-' : u'+') + QString::number(minutes / 60);
    if (minutes % 60 != 0)
        text += QStringLiteral(":%1").arg(minutes % 60, 2, 10, QLatin1Char('0'));
    return text;
}

TPlaceZone::TPlaceZone()
    : FZone(QTimeZone::utc())
{}

TPlaceZone::TPlaceZone(const QTimeZone& zone)
    : FZone(zone.isValid() ? zone : QTimeZone::utc())
{}

QString TPlaceZone::id() const { return QString::fromUtf8(FZone.id()); }

int TPlaceZone::offsetSecondsAt(astro::TDateTime ut) const
{
    if (!std::isfinite(ut))
        return 0;
    return FZone.offsetFromUtc(AsDateTime(ut));
}

astro::TDateTime TPlaceZone::localTime(astro::TDateTime ut) const
{
    return ut + offsetSecondsAt(ut) / astro::SecondsPerDay;
}

QString TPlaceZone::abbreviationAt(astro::TDateTime ut) const
{
    const int offset = offsetSecondsAt(ut);
    if (offset == 0 && FZone == QTimeZone::utc())
        return QStringLiteral("UTC");
    const QString abbreviation = std::isfinite(ut) ? FZone.abbreviation(AsDateTime(ut)) : QString();
    return IsOffsetName(abbreviation) ? UtcOffsetText(offset) : abbreviation;
}

// The day is the one whose bounds hold the instant, so that an instant at a day's start always
// belongs to that day whatever the rounding of local time.
TLocalDay TPlaceZone::dayOf(astro::TDateTime ut) const
{
    const TLocalDay guess = day(std::floor(localTime(ut)));
    if (ut >= guess.End)
        return day(guess.Number + 1);
    if (ut < guess.Start)
        return day(guess.Number - 1);
    return guess;
}

TLocalDay TPlaceZone::day(double number) const
{
    const double whole = std::floor(number);
    return {whole, dayStart(whole), dayStart(whole + 1)};
}

// Local midnight is day - offset, with the offset in force at that instant. The offsets a day
// and a half before and after bound it (no zone changes its offset twice in three days); each
// gives a candidate that is right when the zone keeps that offset at the candidate. Where both
// are right the clocks fell back across midnight and the day starts at the first midnight;
// where neither is, midnight fell into a gap and the day starts when the clocks jump.
astro::TDateTime TPlaceZone::dayStart(double number) const
{
    if (!std::isfinite(number))
        return number;
    const int before = offsetSecondsAt(number - 1.5);
    const int after = offsetSecondsAt(number + 1.5);
    const astro::TDateTime withBefore = number - before / astro::SecondsPerDay;
    const astro::TDateTime withAfter = number - after / astro::SecondsPerDay;
    const bool beforeHolds = offsetSecondsAt(withBefore) == before;
    const bool afterHolds = offsetSecondsAt(withAfter) == after;
    if (beforeHolds && afterHolds)
        return std::min(withBefore, withAfter);
    if (beforeHolds)
        return withBefore;
    if (afterHolds)
        return withAfter;
    double low = std::min(withBefore, withAfter);
    double high = std::max(withBefore, withAfter);
    for (int i = 0; i < BisectionRounds && high - low > 0.5 / astro::MillisecondsPerDay; ++i) {
        const double middle = (low + high) / 2;
        if (localTime(middle) >= number)
            high = middle;
        else
            low = middle;
    }
    // The clocks change at a whole second.
    return std::round(high * astro::SecondsPerDay) / astro::SecondsPerDay;
}
