#pragma once
// A month of light as a table model for a view: one row a day with its blue and golden hours,
// sunrise and sunset, moonrise and moonset, the moon's phase and the night's dark sky, the
// times on one clock. A cell shows the times short ("05:12–06:03"); its tool tip says it in
// the Light block's words, with the zone and why an event is missing.

#include "almanac/placezone.h"
#include "planner/monthoflight.h"

#include <QAbstractTableModel>
#include <QList>
#include <QString>

class TMonthTable final : public QAbstractTableModel {
public:
    enum TColumn {
        colDate,
        colBlueMorning,
        colGoldenMorning,
        colSunrise,
        colSunset,
        colGoldenEvening,
        colBlueEvening,
        colMoonrise,
        colMoonset,
        colMoon,
        colDarkSky,
        ColumnCount
    };
    // The moon column's phase: the lit share 0..1 (double), and whether the lit side is the
    // right one as the place sees the moon (bool): waxing in the north, waning in the south.
    static constexpr int MoonLitRole = Qt::UserRole;
    static constexpr int MoonLitOnRightRole = Qt::UserRole + 1;

    // The days of `month` on the clock of `shown`; the row of the local day `chosen` stands out.
    void setMonth(const TMonthOfLight& month, const TPlaceZone& shown, double chosen);
    // No rows.
    void clear();
    // The row of the chosen day; -1 when the month does not hold it.
    int chosenRow() const { return FChosenRow; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    struct TCell {
        QString Text;
        QString Hint;
    };
    struct TRow {
        TCell Cells[ColumnCount];
        double MoonLit = 0;
        bool MoonLitOnRight = true;
    };
    static TRow RowOf(const TMonthDay& day, bool southern, const TPlaceZone& shown);

    QList<TRow> FRows;
    int FChosenRow = -1;
};

// A caption of the Light block as a heading: "Sunrise:" without its colon.
QString WithoutColon(QString caption);
