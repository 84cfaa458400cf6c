#include "cli/lightcommand.h"

#include "astro/calendar.h"
#include "astro/dayinterval.h"
#include "cli/lightcsv.h"
#include "cli/lightplace.h"
#include "cli/lighttable.h"
#include "controls/clock.h"

#include <QDate>
#include <QRegularExpression>
#include <exception>
#include <optional>

namespace {

// Before 1583 the library's days follow the Julian calendar, while an ISO 8601 date is always
// Gregorian: the two would name different days.
constexpr int FirstYear = 1583;
constexpr int LastYear = 9999;

TLightAnswer Refusal(const QString& reason) { return {2, {}, reason + u'\n'}; }

std::optional<QDate> ReadDate(const QString& text)
{
    static const QRegularExpression Shape(QStringLiteral("^[0-9]{4}-[0-9]{2}-[0-9]{2}$"));
    if (!Shape.match(text).hasMatch())
        return std::nullopt;
    const QDate date = QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
    if (!date.isValid() || date.year() < FirstYear)
        return std::nullopt;
    return date;
}

std::optional<int> ReadDays(const QString& text)
{
    static const QRegularExpression Shape(QStringLiteral("^[0-9]{1,4}$"));
    if (!Shape.match(text).hasMatch())
        return std::nullopt;
    const int days = text.toInt();
    if (days < 1 || days > MostLightDays)
        return std::nullopt;
    return days;
}

double DayNumber(const QDate& date) { return astro::CalendarToDateTime(date.year(), date.month(), date.day()); }

QDate DateOfDay(double number) { return QDate(1899, 12, 30).addDays(static_cast<qint64>(number)); }

}  // namespace

TLightAnswer RunLightCommand(const TLightRequest& request, const TClock& clock)
{
    const QString format = request.Format.isNull() ? QStringLiteral("text") : request.Format.trimmed().toLower();
    if (format != QLatin1String("text") && format != QLatin1String("csv"))
        return Refusal(QStringLiteral("Unknown format '%1' for --format: use text or csv.").arg(request.Format));

    int days = 1;
    if (!request.Days.isNull()) {
        const std::optional<int> read = ReadDays(request.Days.trimmed());
        if (!read)
            return Refusal(QStringLiteral("The option --days takes a whole number from 1 to %1, not '%2'.")
                               .arg(MostLightDays)
                               .arg(request.Days));
        days = *read;
    }
    std::optional<QDate> date;
    if (!request.Date.isNull()) {
        date = ReadDate(request.Date.trimmed());
        if (!date)
            return Refusal(QStringLiteral("The option --date takes a date YYYY-MM-DD from %1 to %2, not '%3'.")
                               .arg(FirstYear)
                               .arg(LastYear)
                               .arg(request.Date));
    }

    const TPlaceChoice place = ChoosePlace(request.Place, request.SettingsFile);
    if (!place.valid())
        return Refusal(place.Error);
    const TZoneChoice zone = ChooseZone(request.Zone, place.Place);
    if (!zone.valid())
        return Refusal(zone.Error);

    TLightAnswer answer;
    if (!zone.Warning.isEmpty())
        answer.Error = zone.Warning + u'\n';
    try {
        const double first = date ? DayNumber(*date) : zone.Zone.dayOf(clock.universalNow()).Number;
        if (DateOfDay(first).addDays(days - 1).year() > LastYear)
            return Refusal(QStringLiteral("The days of --date and --days run beyond the year %1.").arg(LastYear));
        const bool csv = format == QLatin1String("csv");
        answer.Output =
            csv ? LightCsvHeader() + u'\n'
                : LightTableHeading(place.Place.Name, place.Place.Latitude, place.Place.Longitude, zone.Zone);
        for (int i = 0; i < days; ++i) {
            const TLocalDay day = zone.Zone.day(first + i);
            std::optional<astro::TDayLight> light;
            if (!day.empty())
                light = astro::DayLightBetween(day.Start, day.End, place.Place.Latitude, place.Place.Longitude);
            const astro::TDayLight* shown = light ? &*light : nullptr;
            if (csv)
                answer.Output += LightCsvRows(day, shown, zone.Zone).join(u'\n') + u'\n';
            else
                answer.Output += u'\n' + LightTableDay(day, shown, zone.Zone);
        }
    } catch (const std::exception& error) {
        return {1,
                {},
                answer.Error +
                    QStringLiteral("The light cannot be computed: %1\n").arg(QString::fromUtf8(error.what()))};
    }
    return answer;
}
