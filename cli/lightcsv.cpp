#include "cli/lightcsv.h"

#include "astro/calendar.h"
#include "astro/constants.h"
#include "controls/numbers.h"
#include "texts/stringtable.h"

#include <QDate>
#include <cmath>

namespace {

using astro::TLightEvent;
using astro::TSunLight;

// Why a crossing is missing, as the Light block says it: string ids for "above all day",
// "below all day" and "the other way only"; %1% in them stands for the altitude.
struct TReasons {
    int Above;
    int Below;
    int OtherDay;
};

constexpr TReasons TwilightReasons{42144, 42145, 42147};
constexpr TReasons AstronomicalReasons{42143, 42145, 42147};
constexpr TReasons SunriseReasons{42141, 42142, 42148};
constexpr TReasons SunsetReasons{42141, 42142, 42149};
constexpr TReasons MoonriseReasons{42152, 42153, 42150};
constexpr TReasons MoonsetReasons{42152, 42153, 42151};
constexpr int NotOnThisDay = 42147;

struct TSunRow {
    const char* Event;
    bool Morning;
    TLightEvent TSunLight::*Crossing;
    double Altitude;  // degrees, for the reason's text
    TReasons Reasons;
};

// Dawn to dusk as the sun passes them; the horizon rows carry the direction.
const TSunRow SunRows[] = {
    {"astronomical_dawn", true, &TSunLight::Astronomical, astro::AstronomicalTwilightAltitude, AstronomicalReasons},
    {"nautical_dawn", true, &TSunLight::Nautical, astro::NauticalTwilightAltitude, TwilightReasons},
    {"civil_dawn", true, &TSunLight::Civil, astro::CivilTwilightAltitude, TwilightReasons},
    {"morning_golden_hour_start", true, &TSunLight::BlueGolden, astro::BlueHourLightAltitude, TwilightReasons},
    {"sunrise", true, &TSunLight::Horizon, 0, SunriseReasons},
    {"morning_golden_hour_end", true, &TSunLight::Golden, astro::GoldenHourHighAltitude, TwilightReasons},
    {"evening_golden_hour_start", false, &TSunLight::Golden, astro::GoldenHourHighAltitude, TwilightReasons},
    {"sunset", false, &TSunLight::Horizon, 0, SunsetReasons},
    {"evening_golden_hour_end", false, &TSunLight::BlueGolden, astro::BlueHourLightAltitude, TwilightReasons},
    {"civil_dusk", false, &TSunLight::Civil, astro::CivilTwilightAltitude, TwilightReasons},
    {"nautical_dusk", false, &TSunLight::Nautical, astro::NauticalTwilightAltitude, TwilightReasons},
    {"astronomical_dusk", false, &TSunLight::Astronomical, astro::AstronomicalTwilightAltitude, AstronomicalReasons},
};

const char* const MoonRiseEvent = "moonrise";
const char* const MoonSetEvent = "moonset";

// The day zero of the library's scale, for dates and times written without its calendar code.
const QDate DayZero(1899, 12, 30);

QString English(int id, double altitude)
{
    return LocalString(id, QLocale::English).replace(QStringLiteral("%1%"), QString::number(altitude));
}

QString Reason(const TLightEvent& event, const TReasons& reasons, double altitude)
{
    switch (event.Kind) {
    case astro::lkAboveAllDay: return English(reasons.Above, altitude);
    case astro::lkBelowAllDay: return English(reasons.Below, altitude);
    default: return English(reasons.OtherDay, altitude);
    }
}

bool Occurs(const TLightEvent& event) { return event.Kind == astro::lkOccurs && std::isfinite(event.Time); }

// Degrees from north, one decimal, in 0.0..359.9.
QString AzimuthText(double azimuth)
{
    const double tenths = std::round(std::fmod(std::fmod(azimuth, 360) + 360, 360) * 10);
    return QString::number(tenths >= 3600 ? 0.0 : tenths / 10, 'f', 1);
}

struct TRow {
    QString Event;
    QString LocalTime;
    QString UtcTime;
    QString Azimuth;
    QString Note;
    QString Illuminated;
};

TRow EventRow(const char* name, const TLightEvent& event, const TReasons& reasons, double altitude,
              const TPlaceZone& zone)
{
    TRow row{QString::fromLatin1(name), {}, {}, {}, {}, {}};
    if (Occurs(event)) {
        row.LocalTime = IsoLocalTime(event.Time, zone);
        row.UtcTime = IsoUniversalTime(event.Time);
    } else {
        row.Note = Reason(event, reasons, altitude);
    }
    return row;
}

TRow MoonRow(const char* name, const astro::TMoonLight& moon, const TReasons& reasons, const TPlaceZone& zone)
{
    TRow row = EventRow(name, moon.Horizon, reasons, 0, zone);
    if (Occurs(moon.Horizon)) {
        row.Azimuth = AzimuthText(moon.Azimuth);
        row.Illuminated = QString::number(static_cast<int>(RoundTo(moon.IlluminatedFraction * 100)));
    }
    return row;
}

// "+02:00"; an offset of local mean time that is not whole minutes keeps its seconds, so that
// local time and offset always give back the universal time.
QString OffsetText(int seconds)
{
    const int size = std::abs(seconds);
    QString text =
        QString(seconds < 0 ? u'-' : u'+') +
        QStringLiteral("%1:%2").arg(size / 3600, 2, 10, QLatin1Char('0')).arg(size / 60 % 60, 2, 10, QLatin1Char('0'));
    if (size % 60 != 0)
        text += QStringLiteral(":%1").arg(size % 60, 2, 10, QLatin1Char('0'));
    return text;
}

// Date and time of day of a count of seconds since day zero.
QString DateTimeText(qint64 seconds)
{
    const qint64 day = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
    const qint64 second = seconds - day * 86400;
    return DayZero.addDays(day).toString(Qt::ISODate) + QStringLiteral("T%1:%2:%3")
                                                            .arg(second / 3600, 2, 10, QLatin1Char('0'))
                                                            .arg(second / 60 % 60, 2, 10, QLatin1Char('0'))
                                                            .arg(second % 60, 2, 10, QLatin1Char('0'));
}

// Far beyond the years 1..9999 the seconds would not fit the integer.
bool Writable(astro::TDateTime ut) { return std::isfinite(ut) && std::abs(ut) < 1e7; }

qint64 WholeSeconds(astro::TDateTime ut) { return std::llround(ut * astro::SecondsPerDay); }

}  // namespace

QString LightCsvHeader() { return QStringLiteral("date,event,local_time,utc_time,azimuth,note,illuminated"); }

QStringList LightCsvEvents()
{
    QStringList events;
    for (const TSunRow& row : SunRows)
        events << QString::fromLatin1(row.Event);
    return events << QString::fromLatin1(MoonRiseEvent) << QString::fromLatin1(MoonSetEvent);
}

QStringList LightCsvRows(const TLocalDay& day, const astro::TDayLight* light, const TPlaceZone& zone)
{
    QList<TRow> rows;
    if (!light || day.empty()) {
        for (const QString& event : LightCsvEvents())
            rows.append({event, {}, {}, {}, LocalString(NotOnThisDay, QLocale::English), {}});
    } else {
        for (const TSunRow& sun : SunRows) {
            const TSunLight& side = sun.Morning ? light->Morning : light->Evening;
            TRow row = EventRow(sun.Event, side.*sun.Crossing, sun.Reasons, sun.Altitude, zone);
            if (sun.Crossing == &TSunLight::Horizon && Occurs(side.Horizon))
                row.Azimuth = AzimuthText(side.HorizonAzimuth);
            rows.append(row);
        }
        rows.append(MoonRow(MoonRiseEvent, light->Moonrise, MoonriseReasons, zone));
        rows.append(MoonRow(MoonSetEvent, light->Moonset, MoonsetReasons, zone));
    }
    const QString date = DayZero.addDays(static_cast<qint64>(day.Number)).toString(Qt::ISODate);
    QStringList lines;
    for (const TRow& row : rows) {
        const QString fields[] = {date, row.Event, row.LocalTime, row.UtcTime, row.Azimuth, row.Note, row.Illuminated};
        QStringList quoted;
        for (const QString& field : fields)
            quoted << CsvField(field);
        lines << quoted.join(u',');
    }
    return lines;
}

QString IsoLocalTime(astro::TDateTime ut, const TPlaceZone& zone)
{
    if (!Writable(ut))
        return {};
    const qint64 seconds = WholeSeconds(ut);
    const int offset = zone.offsetSecondsAt(seconds / astro::SecondsPerDay);
    return DateTimeText(seconds + offset) + OffsetText(offset);
}

QString IsoUniversalTime(astro::TDateTime ut)
{
    if (!Writable(ut))
        return {};
    return DateTimeText(WholeSeconds(ut)) + u'Z';
}

QString CsvField(const QString& text)
{
    if (!text.contains(u',') && !text.contains(u'"') && !text.contains(u'\n') && !text.contains(u'\r'))
        return text;
    return u'"' + QString(text).replace(QStringLiteral("\""), QStringLiteral("\"\"")) + u'"';
}
