#include "controls/list.h"

void TList::setItems(const QStringList& items)
{
    FItems = items;
    FItemIndex = -1;
    notifyView();
}

void TList::assignItemIndex(int index)
{
    if (index < -1 || index >= count())
        index = -1;
    assign(FItemIndex, index);
}

void TList::setItemIndex(int index)
{
    const int before = FItemIndex;
    assignItemIndex(index);
    if (FItemIndex != before && onChange)
        onChange();
}

QString TList::text() const { return FItemIndex >= 0 ? FItems[FItemIndex] : QString(); }
