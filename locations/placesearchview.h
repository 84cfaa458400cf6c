#pragma once
// The drop-down of the location editor's search: the places found, listed under the search
// field over the rest of the dialog while there are any. The field keeps the focus, so that
// typing goes on; the arrow keys move through the list, Enter or a click takes a place and
// Escape empties the search.

#include <QObject>
#include <functional>

class QAbstractItemModel;
class QLineEdit;
class QListView;
class QModelIndex;

class TPlaceSearchView final : public QObject {
public:
    // The most rows shown at once; the list scrolls through the rest.
    static constexpr int VisibleRows = 12;

    // Lists `places` under `field`; `take(row)` takes a row, `clear()` empties the search.
    TPlaceSearchView(QLineEdit* field, QAbstractItemModel* places, std::function<void(int)> take,
                     std::function<void()> clear);

    QListView* list() const { return FList; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Shown, placed and sized for the rows there are; hidden without any.
    void follow();
    void moveBy(int rows);
    int takenRow() const;

    QLineEdit* FField;
    QListView* FList;
    std::function<void(int)> FTake;
    std::function<void()> FClear;
};
