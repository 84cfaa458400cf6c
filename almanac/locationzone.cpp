#include "almanac/locationzone.h"

#include "controls/numbers.h"
#include "places/placetable.h"
#include "texts/almanactext.h"
#include "texts/stringtable.h"

#include <QTimeZone>

namespace {

const QString Field1 = QStringLiteral("%1%");
const QString Field2 = QStringLiteral("%2%");
const QString Field3 = QStringLiteral("%3%");

}  // namespace

TZoneChoice ZoneChoiceOf(const TLocation& location, const TPlaceTable& table)
{
    TZoneChoice choice;
    if (!location.TimeZone.isEmpty()) {
        if (QTimeZone::isTimeZoneIdAvailable(location.TimeZone.toUtf8())) {
            choice.Id = location.TimeZone;
            return choice;
        }
        choice.UnknownStored = true;
    }
    choice.Suggested = true;
    const TNearestPlace nearest = table.Nearest(location.Latitude, location.Longitude);
    if (!nearest.valid()) {
        choice.Id = QStringLiteral("UTC");
        return choice;
    }
    const TPlace place = table.at(nearest.Index);
    choice.Id = place.TimeZone;
    choice.NearestName = place.Name;
    choice.DistanceKm = nearest.DistanceKm;
    return choice;
}

TZoneChoice ZoneChoiceOf(const TLocation& location) { return ZoneChoiceOf(location, TPlaceTable::BuiltIn()); }

TPlaceZone PlaceZoneOf(const TLocation& location) { return TPlaceZone(QTimeZone(ZoneChoiceOf(location).Id.toUtf8())); }

QString ZoneChoiceText(const TZoneChoice& choice)
{
    if (!choice.Suggested || choice.NearestName.isEmpty())
        return choice.Id;
    QString text = ReplaceAll(Field1, choice.Id, LocalString(42180));
    text = ReplaceAll(Field2, choice.NearestName, text);
    return ReplaceAll(Field3, QString::number(qRound64(choice.DistanceKm)), text);
}
