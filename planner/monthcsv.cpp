#include "planner/monthcsv.h"

#include "cli/lightcsv.h"
#include "controls/numbers.h"

#include <QDate>
#include <QStringList>

namespace {

QString Time(const astro::TLightEvent& event, const TPlaceZone& zone)
{
    return event.Kind == astro::lkOccurs ? IsoLocalTime(event.Time, zone) : QString();
}

QStringList DayFields(const TMonthDay& day, const TPlaceZone& zone)
{
    const astro::TSunLight& morning = day.Light.Morning;
    const astro::TSunLight& evening = day.Light.Evening;
    QStringList windows;
    for (const astro::TDarkWindow& window : day.Night.Windows)
        windows << IsoLocalTime(window.Start, zone) + u'/' + IsoLocalTime(window.End, zone);
    return {Time(morning.Civil, zone),
            Time(morning.BlueGolden, zone),
            Time(morning.Horizon, zone),
            Time(morning.Golden, zone),
            Time(evening.Golden, zone),
            Time(evening.Horizon, zone),
            Time(evening.BlueGolden, zone),
            Time(evening.Civil, zone),
            Time(day.Light.Moonrise.Horizon, zone),
            Time(day.Light.Moonset.Horizon, zone),
            QString::number(static_cast<int>(RoundTo(day.MoonIlluminatedFraction * 100))),
            day.MoonWaxing ? QStringLiteral("yes") : QStringLiteral("no"),
            windows.join(u';')};
}

}  // namespace

QString MonthCsvHeader()
{
    return QStringLiteral("date,morning_blue_hour_start,morning_golden_hour_start,sunrise,morning_golden_hour_end,"
                          "evening_golden_hour_start,sunset,evening_golden_hour_end,evening_blue_hour_end,moonrise,"
                          "moonset,moon_illuminated,moon_waxing,dark_sky");
}

QString MonthCsv(const TMonthOfLight& month, const TPlaceZone& zone)
{
    const QString header = MonthCsvHeader();
    const qsizetype fieldCount = header.count(u',') + 1;
    QString text = header + u'\n';
    for (const TMonthDay& day : month.Days) {
        QStringList fields{QDate(1899, 12, 30).addDays(static_cast<qint64>(day.Day.Number)).toString(Qt::ISODate)};
        if (!day.Day.empty())
            fields << DayFields(day, zone);
        else
            while (fields.size() < fieldCount)
                fields << QString();
        text += fields.join(u',') + u'\n';
    }
    return text;
}
