#pragma once
// The year's meteor shower peaks as a table model for a view: the shower, its peak on one
// clock, its zenithal hourly rate, the radiant's altitude at the darkest hour of the peak's
// night and the moon's lit share then.

#include "almanac/placezone.h"
#include "planner/meteorpeaks.h"

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <QStringList>

class TMeteorTable final : public QAbstractTableModel {
public:
    enum TColumn { colShower, colPeak, colRate, colRadiant, colMoon, ColumnCount };

    // The peaks of `year`, their times on the clock of `shown`.
    void setYear(const TMeteorYear& year, const TPlaceZone& shown);
    void clear();

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<QStringList> FRows;   // the cells' texts
    QList<QStringList> FHints;  // their tool tips
};

// The shower's name in the interface language.
QString MeteorShowerName(const astro::TMeteorShower& shower);
