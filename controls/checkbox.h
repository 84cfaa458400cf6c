#pragma once

#include "controls/control.h"

// A check box; changing its state, by the user or the program, runs onClick.
class TCheckBox : public TControl {
public:
    explicit TCheckBox(bool checked = false)
        : FChecked(checked)
    {}

    bool checked() const { return FChecked; }
    void setChecked(bool checked)
    {
        if (!assign(FChecked, checked))
            return;
        if (onClick)
            onClick();
    }

    TNotifyEvent onClick;

private:
    bool FChecked;
};
