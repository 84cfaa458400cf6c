#include "cli/lightdays.h"

#include "astro/calendar.h"
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

double DayNumber(const QDate& date) { return astro::CalendarToDateTime(date.year(), date.month(), date.day()); }

QDate DateOfDay(double number) { return QDate(1899, 12, 30).addDays(static_cast<qint64>(number)); }
