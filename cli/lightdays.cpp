#include "cli/lightdays.h"

#include "astro/calendar.h"
#include "cli/commandlinetext.h"
#include "cli/lightfile.h"

#include <QRegularExpression>

std::optional<QDate> ReadRequestDate(const QString& text)
{
    static const QRegularExpression Shape(QStringLiteral("^[0-9]{4}-[0-9]{2}-[0-9]{2}$"));
    if (!Shape.match(text).hasMatch())
        return std::nullopt;
    const QDate date = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid() || date.year() < FirstLightYear)
        return std::nullopt;
    return date;
}

std::optional<int> ReadRequestDays(const QString& text, int most)
{
    static const QRegularExpression Shape(QStringLiteral("^[0-9]{1,4}$"));
    if (!Shape.match(text).hasMatch())
        return std::nullopt;
    const int days = text.toInt();
    if (days < 1 || days > most)
        return std::nullopt;
    return days;
}

TRequestedDays ReadRequestedDays(const QString& days, const QString& date, int most)
{
    TRequestedDays read;
    if (!days.isNull()) {
        const std::optional<int> count = ReadRequestDays(days.trimmed(), most);
        if (!count) {
            read.Refusal =
                CommandLine::tr("The option --days takes a whole number from 1 to %1, not '%2'.").arg(most).arg(days);
            return read;
        }
        read.Days = *count;
    }
    if (!date.isNull()) {
        read.Date = ReadRequestDate(date.trimmed());
        if (!read.Date)
            read.Refusal = CommandLine::tr("The option --date takes a date YYYY-MM-DD from %1 to %2, not '%3'.")
                               .arg(FirstLightYear)
                               .arg(LastLightYear)
                               .arg(date);
    }
    return read;
}

double DayNumber(const QDate& date) { return astro::CalendarToDateTime(date.year(), date.month(), date.day()); }

QDate DateOfDay(double number) { return QDate(1899, 12, 30).addDays(static_cast<qint64>(number)); }
