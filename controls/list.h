#pragma once

#include "controls/control.h"

#include <QStringList>

// A combo or list box. Index -1 means no selection. Selecting another item runs onChange
// inside the write; selecting the item already selected fires nothing.
class TList : public TControl {
public:
    TList() = default;
    explicit TList(const QStringList& items, int itemIndex = -1)
        : FItems(items),
          FItemIndex(itemIndex)
    {}

    const QStringList& items() const { return FItems; }
    // Replaces the items; the selection is cleared without running onChange.
    void setItems(const QStringList& items);
    int count() const { return int(FItems.size()); }

    int itemIndex() const { return FItemIndex; }
    // A selection as the user makes it: out-of-range indexes select nothing.
    void setItemIndex(int index);
    // A selection made by the program that, as in the toolkit, runs no handler.
    void assignItemIndex(int index);

    // The selected item's text, or "" with no selection.
    QString text() const;

    TNotifyEvent onChange;

private:
    QStringList FItems;
    int FItemIndex = -1;
};

// A group of radio buttons; a click on another button runs onClick.
class TRadioGroup : public TList {
public:
    using TList::TList;
};
