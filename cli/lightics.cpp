#include "cli/lightics.h"

#include "astro/constants.h"
#include "cli/lightcsv.h"
#include "controls/numbers.h"
#include "moredata/lighttext.h"
#include "texts/almanactext.h"
#include "texts/appinfo.h"
#include "texts/stringtable.h"

#include <QCryptographicHash>
#include <QDate>
#include <QList>
#include <algorithm>
#include <cmath>

namespace {

using astro::TLightEvent;
using astro::TSunLight;

// The Light block's captions, whose trailing colon the titles leave out.
constexpr int BlueHourCaption = 42132;
constexpr int GoldenHourCaption = 42133;
constexpr int SunriseCaption = 42134;
constexpr int SunsetCaption = 42135;
constexpr int MoonriseCaption = 42139;
constexpr int MoonsetCaption = 42140;
constexpr int LitTemplate = 42156;
constexpr int MorningTemplate = 42183;
constexpr int EveningTemplate = 42184;
constexpr int AzimuthTemplate = 42185;

const QString Field = QStringLiteral("%1%");

constexpr int MostOctets = 75;

// An instant is a point to a calendar program only in principle: most show an event that ends
// as it begins as nothing at all, or as one of a whole day. A minute shows it at its time.
constexpr qint64 InstantSeconds = 60;

// The spans between two crossings of one half of the day, in the order the sky passes them.
struct TSpanKind {
    const char* Event;
    bool Morning;
    TLightEvent TSunLight::*Start;
    TLightEvent TSunLight::*End;
    int Caption;
};

const TSpanKind Spans[] = {
    {"morning_blue_hour", true, &TSunLight::Civil, &TSunLight::BlueGolden, BlueHourCaption},
    {"morning_golden_hour", true, &TSunLight::BlueGolden, &TSunLight::Golden, GoldenHourCaption},
    {"evening_golden_hour", false, &TSunLight::Golden, &TSunLight::BlueGolden, GoldenHourCaption},
    {"evening_blue_hour", false, &TSunLight::BlueGolden, &TSunLight::Civil, BlueHourCaption},
};

struct TCalendarEvent {
    QString Event;
    qint64 Start;  // whole seconds since the scale's day zero, universal time
    qint64 End;
    QString Summary;
    QString Description;
};

const QDate DayZero(1899, 12, 30);

bool Occurs(const TLightEvent& event)
{
    return event.Kind == astro::lkOccurs && std::isfinite(event.Time) && !IsoUniversalTime(event.Time).isEmpty();
}

qint64 WholeSeconds(astro::TDateTime ut) { return std::llround(ut * astro::SecondsPerDay); }

// "20270621T024312Z"
QString UtcText(qint64 seconds) { return IsoUniversalTime(seconds / astro::SecondsPerDay).remove(u'-').remove(u':'); }

QString Caption(int id)
{
    QString caption = LocalString(id);
    if (caption.endsWith(u':'))
        caption.chop(1);
    return caption;
}

QString HalfOfDay(int caption, bool morning)
{
    return ReplaceAll(Field, Caption(caption), LocalString(morning ? MorningTemplate : EveningTemplate));
}

QString AzimuthLine(double azimuth) { return ReplaceAll(Field, DirectionText(azimuth), LocalString(AzimuthTemplate)); }

// "52.5200 N": whole ten-thousandths of a degree, so that a stored place keeps one text.
QString Coordinate(double degrees, QChar positive, QChar negative)
{
    const double rounded = std::round(degrees * 1e4) / 1e4;
    return QString::number(std::abs(rounded), 'f', 4) + u' ' + (rounded < 0 ? negative : positive);
}

QString Position(const TChosenPlace& place)
{
    return Coordinate(place.Latitude, u'N', u'S') + QStringLiteral(", ") + Coordinate(-place.Longitude, u'E', u'W');
}

QString LocationText(const TChosenPlace& place)
{
    return place.Name.isEmpty() ? Position(place) : place.Name + QStringLiteral(" (") + Position(place) + u')';
}

// Never "-0.000000": a place on the equator or the prime meridian has one GEO whatever its sign.
QString GeoNumber(double degrees) { return QString::number(std::round(degrees * 1e6) / 1e6 + 0.0, 'f', 6); }

// The spans of one day whose two ends both happen on it, and in their order; a span that the
// day cuts off or that the sky passes the other way round is left out.
void AddSpans(QList<TCalendarEvent>& events, const astro::TDayLight& light)
{
    for (const TSpanKind& span : Spans) {
        const TSunLight& side = span.Morning ? light.Morning : light.Evening;
        const TLightEvent& start = side.*span.Start;
        const TLightEvent& end = side.*span.End;
        if (!Occurs(start) || !Occurs(end) || WholeSeconds(end.Time) <= WholeSeconds(start.Time))
            continue;
        events.append({QString::fromLatin1(span.Event), WholeSeconds(start.Time), WholeSeconds(end.Time),
                       HalfOfDay(span.Caption, span.Morning), QString()});
    }
}

void AddInstant(QList<TCalendarEvent>& events, const char* event, const TLightEvent& crossing, int caption,
                const QString& description)
{
    if (!Occurs(crossing))
        return;
    const qint64 start = WholeSeconds(crossing.Time);
    events.append({QString::fromLatin1(event), start, start + InstantSeconds, Caption(caption), description});
}

void AddMoon(QList<TCalendarEvent>& events, const char* event, const astro::TMoonLight& moon, int caption)
{
    if (!Occurs(moon.Horizon))
        return;
    const QString lit =
        ReplaceAll(Field, FloatToStr(RoundTo(moon.IlluminatedFraction * 100)), LocalString(LitTemplate));
    AddInstant(events, event, moon.Horizon, caption, AzimuthLine(moon.Azimuth) + u'\n' + lit);
}

QString EventText(const TCalendarEvent& event, const TChosenPlace& place, double dayNumber, astro::TDateTime stamp)
{
    QStringList lines{
        QStringLiteral("BEGIN:VEVENT"),
        QStringLiteral("UID:") + LightIcsUid(place, dayNumber, event.Event),
        QStringLiteral("DTSTAMP:") + UtcText(WholeSeconds(stamp)),
        QStringLiteral("DTSTART:") + UtcText(event.Start),
        QStringLiteral("DTEND:") + UtcText(event.End),
        QStringLiteral("SUMMARY:") + IcsText(event.Summary),
        QStringLiteral("LOCATION:") + IcsText(LocationText(place)),
        QStringLiteral("GEO:") + GeoNumber(place.Latitude) + u';' + GeoNumber(-place.Longitude),
    };
    if (!event.Description.isEmpty())
        lines << QStringLiteral("DESCRIPTION:") + IcsText(event.Description);
    // The light takes no time from the user's day: a busy search looks through it.
    lines << QStringLiteral("TRANSP:TRANSPARENT") << QStringLiteral("END:VEVENT");
    QString text;
    for (const QString& line : lines)
        text += IcsContentLine(line);
    return text;
}

// The UTF-8 octets of one UTF-16 code unit that is no surrogate.
int Utf8Octets(char16_t unit) { return unit < 0x80 ? 1 : unit < 0x800 ? 2 : 3; }

}  // namespace

QString LightIcsHeader()
{
    return IcsContentLine(QStringLiteral("BEGIN:VCALENDAR")) + IcsContentLine(QStringLiteral("VERSION:2.0")) +
           IcsContentLine(QStringLiteral("PRODID:-//Shutterly//Shutterly %1//EN").arg(ApplicationVersion)) +
           IcsContentLine(QStringLiteral("CALSCALE:GREGORIAN")) + IcsContentLine(QStringLiteral("METHOD:PUBLISH"));
}

QString LightIcsFooter() { return IcsContentLine(QStringLiteral("END:VCALENDAR")); }

QString LightIcsDay(const TLocalDay& day, const astro::TDayLight* light, const TChosenPlace& place,
                    astro::TDateTime stamp)
{
    if (!light || day.empty())
        return {};
    QList<TCalendarEvent> events;
    AddSpans(events, *light);
    AddInstant(events, "sunrise", light->Morning.Horizon, SunriseCaption, AzimuthLine(light->Morning.HorizonAzimuth));
    AddInstant(events, "sunset", light->Evening.Horizon, SunsetCaption, AzimuthLine(light->Evening.HorizonAzimuth));
    AddMoon(events, "moonrise", light->Moonrise, MoonriseCaption);
    AddMoon(events, "moonset", light->Moonset, MoonsetCaption);
    std::stable_sort(events.begin(), events.end(),
                     [](const TCalendarEvent& a, const TCalendarEvent& b) { return a.Start < b.Start; });
    QString text;
    for (const TCalendarEvent& event : events)
        text += EventText(event, place, day.Number, stamp);
    return text;
}

QString IcsContentLine(const QString& line)
{
    QString folded;
    int octets = 0;
    for (qsizetype i = 0; i < line.size();) {
        const QChar unit = line.at(i);
        const bool pair = unit.isHighSurrogate() && i + 1 < line.size() && line.at(i + 1).isLowSurrogate();
        // A surrogate without its other half is no character; UTF-8 has the replacement one.
        const QString character =
            pair ? line.mid(i, 2) : QString(unit.isSurrogate() ? QChar(QChar::ReplacementCharacter) : unit);
        const int width = pair ? 4 : Utf8Octets(character.at(0).unicode());
        if (octets + width > MostOctets) {
            folded += QStringLiteral("\r\n ");
            octets = 1;
        }
        folded += character;
        octets += width;
        i += pair ? 2 : 1;
    }
    return folded + QStringLiteral("\r\n");
}

QString IcsText(const QString& text)
{
    QString escaped;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\\' || c == u';' || c == u',')
            escaped += u'\\' + QString(c);
        else if (c == u'\n' || (c == u'\r' && text.mid(i + 1, 1) != QStringLiteral("\n")))
            escaped += QStringLiteral("\\n");
        else if (c.category() != QChar::Other_Control || c == u'\t')
            escaped += c;
    }
    return escaped;
}

QString LightIcsUid(const TChosenPlace& place, double dayNumber, const QString& event)
{
    const QByteArray identity = (place.Name + u'\n' + Position(place)).toUtf8();
    const QByteArray hash = QCryptographicHash::hash(identity, QCryptographicHash::Sha1).toHex().left(16);
    const QString date = DayZero.addDays(static_cast<qint64>(dayNumber)).toString(QStringLiteral("yyyyMMdd"));
    return QString::fromLatin1(hash) + u'-' + date + u'-' + event + QStringLiteral("@shutterly");
}
