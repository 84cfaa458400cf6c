#include "cli/lighttable.h"

#include "astro/constants.h"
#include "controls/numbers.h"
#include "moredata/lighttext.h"
#include "texts/almanactext.h"
#include "texts/stringtable.h"

#include <QList>
#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr int LightCaption = 42126;
constexpr int MorningCaption = 42127;
constexpr int EveningCaption = 42128;
constexpr int LocationCaption = 42030;
constexpr int ZoneCaption = 42173;
constexpr int NotOnThisDay = 42147;
// The compass points of the string table, for the hemispheres of a position.
constexpr int North = 0, East = 90, South = 180, West = 270;

using TRows = QList<std::pair<QString, QString>>;

// "CEST, UTC+2"
QString ClockName(const TPlaceZone& zone, astro::TDateTime ut)
{
    return zone.abbreviationAt(ut) + QStringLiteral(", ") + UtcOffsetText(zone.offsetSecondsAt(ut));
}

QString Coordinate(double degrees, int positive, int negative)
{
    return RoundedText(std::abs(degrees), 4) + QChar(0x00B0) + u' ' + CompassPoint(degrees < 0 ? negative : positive);
}

// Captions padded to one width, so that the values form a column. The captions of each
// language are of one script, in which a character is about one column wide.
QString Aligned(const TRows& rows, const QString& indent)
{
    qsizetype width = 0;
    for (const auto& row : rows)
        width = std::max(width, row.first.size());
    QString text;
    for (const auto& [caption, value] : rows)
        text += indent + caption.leftJustified(width + 2) + value + u'\n';
    return text;
}

}  // namespace

QString LightTableHeading(const QString& name, double latitude, double longitudeWest, const TPlaceZone& zone)
{
    const QString position =
        Coordinate(latitude, North, South) + QStringLiteral(", ") + Coordinate(-longitudeWest, East, West);
    const QString place = name.isEmpty() ? position : name + QStringLiteral(" (") + position + u')';
    return Aligned({{LocalString(LocationCaption), place}, {LocalString(ZoneCaption), zone.id()}}, QString());
}

QString LightTableDay(const TLocalDay& day, const astro::TDayLight* light, const TPlaceZone& zone)
{
    QString clock = ClockName(zone, day.Start);
    if (!day.empty()) {
        const QString later = ClockName(zone, day.End - 1 / astro::SecondsPerDay);
        if (later != clock)
            clock += QStringLiteral(" – ") + later;
    }
    QString text = LocalString(LightCaption) + QStringLiteral(": ") + DateText(day.Number) + QStringLiteral(" (") +
                   clock + QStringLiteral(")\n");
    if (!light || day.empty())
        return text + QStringLiteral("  ") + LocalString(NotOnThisDay) + u'\n';

    const TSunLightTexts morning = SunLightTexts(light->Morning, true, zone);
    const TSunLightTexts evening = SunLightTexts(light->Evening, false, zone);
    const TRows morningRows = {{LocalString(42129), morning.Astronomical}, {LocalString(42130), morning.Nautical},
                               {LocalString(42131), morning.Civil},        {LocalString(42132), morning.BlueHour},
                               {LocalString(42133), morning.GoldenHour},   {LocalString(42134), morning.Horizon}};
    const TRows eveningRows = {{LocalString(42135), evening.Horizon},  {LocalString(42133), evening.GoldenHour},
                               {LocalString(42132), evening.BlueHour}, {LocalString(42136), evening.Civil},
                               {LocalString(42137), evening.Nautical}, {LocalString(42138), evening.Astronomical}};
    const TRows moonRows = {{LocalString(42139), MoonLightText(light->Moonrise, true, zone)},
                            {LocalString(42140), MoonLightText(light->Moonset, false, zone)}};
    const TRows all = morningRows + eveningRows + moonRows;
    qsizetype width = 0;
    for (const auto& row : all)
        width = std::max(width, row.first.size());
    // The halves' rows sit under their captions, the moon's beside them; all values in one column.
    const auto block = [width](const TRows& rows, qsizetype indent) {
        QString lines;
        for (const auto& [caption, value] : rows)
            lines += QString(indent, u' ') + caption.leftJustified(width + 6 - indent) + value + u'\n';
        return lines;
    };
    text += QStringLiteral("  ") + LocalString(MorningCaption) + u'\n' + block(morningRows, 4);
    text += QStringLiteral("  ") + LocalString(EveningCaption) + u'\n' + block(eveningRows, 4);
    return text + block(moonRows, 2);
}
