#include "planner/plannertableview.h"

#include "planner/monthtable.h"
#include "planner/skychartview.h"

#include <QApplication>
#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

namespace {

// The moon's diameter in a row of text: as tall as a capital letter and a little more.
int MoonDiameter(const QFontMetrics& metrics) { return metrics.height() - 2; }

}  // namespace

void TMoonPhaseDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QVariant lit = index.data(TMonthTable::MoonLitRole);
    if (!lit.isValid()) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem item(option);
    initStyleOption(&item, index);
    const QString text = item.text;
    item.text.clear();
    const QStyle* style = item.widget ? item.widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);

    const QFontMetrics metrics(item.font);
    const int diameter = MoonDiameter(metrics);
    const int gap = metrics.horizontalAdvance(u' ');
    const int textWidth = metrics.horizontalAdvance(text);
    const QRect& cell = item.rect;
    const int left = cell.left() + std::max(0, (cell.width() - diameter - gap - textWidth) / 2);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    DrawMoonInPhase(*painter, QPointF(left + diameter / 2.0, cell.center().y() + 0.5), diameter / 2.0, lit.toDouble(),
                    index.data(TMonthTable::MoonLitOnRightRole).toBool());
    const bool selected = item.state & QStyle::State_Selected;
    painter->setPen(item.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setFont(item.font);
    painter->drawText(QRect(left + diameter + gap, cell.top(), cell.right() - left - diameter - gap, cell.height()),
                      Qt::AlignLeft | Qt::AlignVCenter, text);
    painter->restore();
}

QSize TMoonPhaseDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (index.data(TMonthTable::MoonLitRole).isValid()) {
        const QFontMetrics metrics(option.font);
        size.rwidth() += MoonDiameter(metrics) + metrics.horizontalAdvance(u' ');
    }
    return size;
}

TPlannerTable::TPlannerTable(QAbstractItemModel* model, int rowsShown, QWidget* parent)
    : QTableView(parent),
      FRowsShown(rowsShown)
{
    setModel(model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setWordWrap(false);
    verticalHeader()->hide();
    // A column fits every row's text, not only those in sight: a month is a few dozen rows.
    verticalHeader()->setResizeContentsPrecision(-1);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    setItemDelegate(new TMoonPhaseDelegate(this));
    connect(model, &QAbstractItemModel::modelReset, this, &TPlannerTable::fitColumns);
}

QSize TPlannerTable::sizeHint() const
{
    const int frame = 2 * frameWidth();
    int columns = 0;
    for (int column = 0; column < horizontalHeader()->count(); ++column)
        columns += horizontalHeader()->sectionSize(column);
    return {frame + columns + style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, verticalScrollBar()),
            frame + horizontalHeader()->sizeHint().height() + FRowsShown * verticalHeader()->defaultSectionSize()};
}

void TPlannerTable::fitColumns()
{
    resizeColumnsToContents();
    resizeRowsToContents();
    updateGeometry();
}
