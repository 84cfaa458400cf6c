#pragma once
// The planner's tables on screen: the month of light with the moon drawn in its phase, and the
// meteor showers.

#include <QStyledItemDelegate>
#include <QTableView>

// Draws a cell with the moon in its phase (TMonthTable's moon roles) before its text; other
// cells as usual.
class TMoonPhaseDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

// A read-only table of `model` that selects whole rows, its columns as wide as their texts
// whenever the rows change, and asks for the width of all its columns and the height of
// `rowsShown` rows.
class TPlannerTable final : public QTableView {
public:
    TPlannerTable(QAbstractItemModel* model, int rowsShown, QWidget* parent);

    QSize sizeHint() const override;

private:
    void fitColumns();

    int FRowsShown;
};
