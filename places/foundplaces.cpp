#include "places/foundplaces.h"

#include "places/mapcoordinates.h"
#include "texts/stringtable.h"

#include <QLocale>
#include <QStringList>
#include <cmath>

namespace {

// "69.6492° N, 18.9553° E", in the user's number format.
QString PositionText(const TPlace& place)
{
    const QLocale locale;
    const double east = EastPositiveLongitude(place.Longitude);
    return locale.toString(std::abs(place.Latitude), 'f', 4) + QStringLiteral("° ") +
           (place.Latitude < 0 ? u'S' : u'N') + QStringLiteral(", ") + locale.toString(std::abs(east), 'f', 4) +
           QStringLiteral("° ") + (east < 0 ? u'W' : u'E');
}

}  // namespace

TFoundPlaces::TFoundPlaces(const TPlaceTable& table)
    : FTable(&table)
{}

TFoundPlaces::TFoundPlaces(const TPlaceTable& (*table)())
    : FTableSource(table)
{}

const TPlaceTable& TFoundPlaces::table() const
{
    if (!FTable)
        FTable = &FTableSource();
    return *FTable;
}

void TFoundPlaces::setQuery(const QString& query)
{
    if (query == FQuery)
        return;
    FQuery = query;
    beginResetModel();
    FPlaces = table().Find(query, MostRows);
    endResetModel();
}

int TFoundPlaces::placeAt(int row) const { return row >= 0 && row < FPlaces.size() ? FPlaces[row] : -1; }

int TFoundPlaces::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(FPlaces.size());
}

QVariant TFoundPlaces::data(const QModelIndex& index, int role) const
{
    const int place = placeAt(index.row());
    if (place < 0 || index.column() != 0)
        return {};
    switch (role) {
    case Qt::DisplayRole: {
        const TPlace found = table().at(place);
        return PlaceTitle(found) + QStringLiteral(" · ") + found.TimeZone;
    }
    case Qt::ToolTipRole: {
        const TPlace found = table().at(place);
        const QString people = LocalString(42197).replace(QStringLiteral("%1%"), QLocale().toString(found.Population));
        return PlaceTitle(found) + QStringLiteral(" · ") + found.TimeZone + u'\n' + PositionText(found) +
               QStringLiteral(" · ") + people;
    }
    case PlaceIndexRole: return place;
    default: return {};
    }
}

QString PlaceTitle(const TPlace& place)
{
    QStringList parts{place.Name};
    if (!place.Region.isEmpty())
        parts << place.Region;
    parts << (place.Country.isEmpty() ? place.CountryCode : place.Country);
    return parts.join(QStringLiteral(", "));
}
