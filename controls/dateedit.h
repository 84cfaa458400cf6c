#pragma once

#include "controls/control.h"

#include <QDate>
#include <algorithm>

// A date field with a calendar pop-up. A date the user picks runs onChange inside the write; a
// date the program assigns, or the date already held, fires nothing.
class TDateEdit : public TControl {
public:
    TDateEdit(const QDate& minimum, const QDate& maximum)
        : FMinimum(minimum),
          FMaximum(maximum)
    {}

    QDate date() const { return FDate; }
    // A date as the user picks it: an invalid one is ignored, one outside the range is brought
    // to the nearer end.
    void setDate(const QDate& date)
    {
        if (!date.isValid())
            return;
        if (assign(FDate, std::clamp(date, FMinimum, FMaximum)) && onChange)
            onChange();
    }
    // A date set by the program, held as it is.
    void assignDate(const QDate& date) { assign(FDate, date); }

    QDate minimum() const { return FMinimum; }
    QDate maximum() const { return FMaximum; }

    TNotifyEvent onChange;

private:
    QDate FDate;
    QDate FMinimum;
    QDate FMaximum;
};
