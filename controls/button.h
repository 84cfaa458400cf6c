#pragma once

#include "controls/control.h"

// A push button or a menu item: a caption and a click. Menu items may also carry a check mark.
class TButton : public TControl {
public:
    explicit TButton(const QString& caption = {})
        : FCaption(caption)
    {}

    QString caption() const { return FCaption; }
    void setCaption(const QString& caption) { assign(FCaption, caption); }
    bool checked() const { return FChecked; }
    void setChecked(bool checked) { assign(FChecked, checked); }

    void click() const
    {
        if (onClick && enabled())
            onClick();
    }

    TNotifyEvent onClick;

private:
    QString FCaption;
    bool FChecked = false;
};

class TMenuItem : public TButton {
public:
    using TButton::TButton;
};
