#include "cli/lightplace.h"

#include "cli/commandlinetext.h"
#include "locations/location.h"
#include "places/mapcoordinates.h"
#include "places/pastedcoordinates.h"
#include "places/placetable.h"

#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
#include <cmath>

namespace {

constexpr double LatitudeLimit = 90;    // degrees
constexpr double LongitudeLimit = 180;  // degrees

// Coordinates are told from names by their shape alone, so that a town's name is never read as
// a number; the full stop is the only decimal separator, as the comma separates the two.
const QRegularExpression CoordinatesPattern(QStringLiteral(
    "^\\s*([+-]?(?:[0-9]+(?:\\.[0-9]*)?|\\.[0-9]+))\\s*,\\s*([+-]?(?:[0-9]+(?:\\.[0-9]*)?|\\.[0-9]+))\\s*$"));

TPlaceChoice Refused(const QString& error) { return {{}, error}; }

TPlaceChoice FromCoordinates(const QRegularExpressionMatch& match)
{
    const double latitude = QLocale::c().toDouble(match.captured(1));
    const double longitude = QLocale::c().toDouble(match.captured(2));
    if (!(std::abs(latitude) <= LatitudeLimit))
        return Refused(CommandLine::tr("The latitude %1 of --place lies beyond ±90 degrees.").arg(match.captured(1)));
    if (!(std::abs(longitude) <= LongitudeLimit))
        return Refused(CommandLine::tr("The longitude %1 of --place lies beyond ±180 degrees.").arg(match.captured(2)));
    return {{QString(), latitude, WestPositiveLongitude(longitude), QString()}, QString()};
}

// A location may have been stored by hand outside the range the editor keeps.
TPlaceChoice FromLocation(const TLocation& location)
{
    if (!(std::abs(location.Latitude) <= LatitudeLimit))
        return Refused(CommandLine::tr("The stored location '%1' of --place has a latitude beyond ±90 degrees.")
                           .arg(location.Name));
    if (!(std::abs(location.Longitude) <= LongitudeLimit))
        return Refused(CommandLine::tr("The stored location '%1' of --place has a longitude beyond ±180 degrees.")
                           .arg(location.Name));
    return {{location.Name, location.Latitude, location.Longitude, location.TimeZone}, QString()};
}

const TLocation* StoredLocation(const TLocationList& list, const QString& name)
{
    for (const Qt::CaseSensitivity matching : {Qt::CaseSensitive, Qt::CaseInsensitive}) {
        for (const TLocation& location : list) {
            if (location.Name.compare(name, matching) == 0)
                return &location;
        }
    }
    return nullptr;
}

QString TownName(const TPlace& place)
{
    QStringList parts{place.Name};
    if (!place.Region.isEmpty())
        parts << place.Region;
    parts << (place.Country.isEmpty() ? place.CountryCode : place.Country);
    parts.removeAll(QString());
    return parts.join(QStringLiteral(", "));
}

bool Known(const QString& zone) { return !zone.isEmpty() && QTimeZone::isTimeZoneIdAvailable(zone.toUtf8()); }

}  // namespace

TPlaceChoice ChoosePlace(const QString& text, const QString& settingsFile)
{
    if (text.trimmed().isEmpty())
        return Refused(CommandLine::tr("The option --place needs a place: LAT,LON, a stored location or a town."));
    const QRegularExpressionMatch coordinates = CoordinatesPattern.match(text);
    if (coordinates.hasMatch())
        return FromCoordinates(coordinates);
    if (const std::optional<TMapPoint> point = ReadPastedCoordinates(text))
        return {{QString(), point->Latitude, WestPositiveLongitude(point->LongitudeEast), QString()}, QString()};

    const QString name = text.trimmed();
    if (!settingsFile.isEmpty()) {
        TLocationList stored;
        int index = 0;
        LoadLocations(settingsFile, stored, index);
        if (const TLocation* location = StoredLocation(stored, name))
            return FromLocation(*location);
    }

    const TPlaceTable& table = TPlaceTable::BuiltIn();
    const QList<int> found = table.Find(name, 1);
    if (found.isEmpty())
        return Refused(
            CommandLine::tr("Unknown place '%1' for --place: give LAT,LON, a stored location or a town.").arg(name));
    const TPlace town = table.at(found.constFirst());
    return {{TownName(town), town.Latitude, town.Longitude, town.TimeZone}, QString()};
}

TZoneChoice ChooseZone(const QString& requested, const TChosenPlace& place)
{
    if (!requested.isNull()) {
        if (!Known(requested.trimmed()))
            return {TPlaceZone(), CommandLine::tr("Unknown time zone '%1' for --zone.").arg(requested), QString()};
        return {TPlaceZone(QTimeZone(requested.trimmed().toUtf8())), QString(), QString()};
    }
    if (Known(place.TimeZone))
        return {TPlaceZone(QTimeZone(place.TimeZone.toUtf8())), QString(), QString()};

    QString nearestZone;
    const TPlaceTable& table = TPlaceTable::BuiltIn();
    const TNearestPlace nearest = table.Nearest(place.Latitude, place.Longitude);
    if (nearest.valid())
        nearestZone = table.at(nearest.Index).TimeZone;
    const TPlaceZone zone = Known(nearestZone) ? TPlaceZone(QTimeZone(nearestZone.toUtf8())) : TPlaceZone();
    QString warning;
    if (!place.TimeZone.isEmpty())
        warning = CommandLine::tr("The time zone '%1' of %2 is unknown; the light is given in %3.")
                      .arg(place.TimeZone, place.Name, zone.id());
    return {zone, QString(), warning};
}
