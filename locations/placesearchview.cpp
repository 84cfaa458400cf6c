#include "locations/placesearchview.h"

#include "controls/guard.h"

#include <QAbstractItemModel>
#include <QKeyEvent>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QScrollBar>
#include <algorithm>

TPlaceSearchView::TPlaceSearchView(QLineEdit* field, QAbstractItemModel* places, std::function<void(int)> take,
                                   std::function<void()> clear)
    : QObject(field),
      FField(field),
      FList(new QListView(field->window())),
      FTake(std::move(take)),
      FClear(std::move(clear))
{
    FList->setObjectName(QStringLiteral("lst_found"));
    FList->setModel(places);
    // The field keeps the focus; the list is only looked at and clicked.
    FList->setFocusPolicy(Qt::NoFocus);
    FList->setUniformItemSizes(true);
    FList->setTextElideMode(Qt::ElideRight);
    FList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FList->setSelectionMode(QAbstractItemView::SingleSelection);
    FList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FList->hide();
    connect(places, &QAbstractItemModel::modelReset, this, &TPlaceSearchView::follow);
    connect(FList, &QListView::clicked, this,
            [this](const QModelIndex& index) { TGuard::run([&] { FTake(index.row()); }); });
    field->installEventFilter(this);
    field->window()->installEventFilter(this);
}

void TPlaceSearchView::follow()
{
    const int rows = FList->model()->rowCount();
    if (rows == 0) {
        FList->hide();
        return;
    }
    FList->setCurrentIndex(FList->model()->index(0, 0));
    // As wide as the dialog's content, for the zone at the end of a row.
    QWidget* window = FField->window();
    const QRect content =
        window->layout() ? window->rect().marginsRemoved(window->layout()->contentsMargins()) : window->rect();
    const QPoint under(content.left(), FField->mapTo(window, QPoint(0, FField->height())).y());
    const int rowHeight = std::max(FList->sizeHintForRow(0), 1);
    const int frame = 2 * FList->frameWidth();
    const int room = window->height() - under.y() - frame;
    const int shown = std::clamp(room / rowHeight, 1, std::min(rows, VisibleRows));
    FList->setGeometry(under.x(), under.y(), content.width(), shown * rowHeight + frame);
    FList->raise();
    FList->show();
}

void TPlaceSearchView::moveBy(int rows)
{
    const int count = FList->model()->rowCount();
    const int row = std::clamp(FList->currentIndex().row() + rows, 0, count - 1);
    FList->setCurrentIndex(FList->model()->index(row, 0));
}

int TPlaceSearchView::takenRow() const { return std::max(FList->currentIndex().row(), 0); }

bool TPlaceSearchView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == FField->window()) {
        if (event->type() == QEvent::Resize && FList->isVisible())
            follow();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool listed = FList->isVisible();
    const int page = std::max(FList->height() / std::max(FList->sizeHintForRow(0), 1), 1);
    switch (key->key()) {
    case Qt::Key_Down:
        if (listed)
            moveBy(1);
        return listed;
    case Qt::Key_Up:
        if (listed)
            moveBy(-1);
        return listed;
    case Qt::Key_PageDown:
        if (listed)
            moveBy(page);
        return listed;
    case Qt::Key_PageUp:
        if (listed)
            moveBy(-page);
        return listed;
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        // Enter in the search takes a place; it never presses the dialog's OK.
        const bool searching = !FField->text().isEmpty();
        if (listed)
            TGuard::run([&] { FTake(takenRow()); });
        return searching;
    }
    case Qt::Key_Escape:
        // Escape empties the search first, and closes the dialog only from an empty one.
        if (FField->text().isEmpty())
            return false;
        TGuard::run(FClear);
        return true;
    default: return false;
    }
}
