#pragma once
// The places of a table that match what the user types, as a list model for a view: the search
// of the location editor. Each row is one place, the most likely first (TPlaceTable::Find).

#include "places/placetable.h"

#include <QAbstractListModel>
#include <QList>
#include <QString>

class TFoundPlaces final : public QAbstractListModel {
public:
    // The table's index of a row's place (int).
    static constexpr int PlaceIndexRole = Qt::UserRole;

    // The most rows a search keeps: more than anyone scrolls through, few enough to show at once.
    static constexpr int MostRows = 100;

    // Searches `table`, which must outlive the model.
    explicit TFoundPlaces(const TPlaceTable& table);
    // Searches the table `table` returns, asked for at the first search: a window that is never
    // searched does not wait for a large table to be read.
    explicit TFoundPlaces(const TPlaceTable& (*table)());

    // The rows now match `query`; none for an empty one.
    void setQuery(const QString& query);
    QString query() const { return FQuery; }

    // The table's index of the place in `row`; -1 for a row beyond the list.
    int placeAt(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    // Display: "Tromsø, 18, Norway · Europe/Oslo" (the region is GeoNames' code); tool tip: the
    // same with the coordinates and the inhabitants; PlaceIndexRole: the table's index.
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    const TPlaceTable& table() const;

    mutable const TPlaceTable* FTable = nullptr;
    const TPlaceTable& (*FTableSource)() = nullptr;
    QString FQuery;
    QList<int> FPlaces;
};

// "Tromsø, 18, Norway": a place's name, division code and country, whatever of them it has.
QString PlaceTitle(const TPlace& place);
