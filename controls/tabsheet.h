#pragma once

#include "controls/control.h"

// One page of a page control: a caption over a set of controls.
class TTabSheet : public TControl {
public:
    explicit TTabSheet(const QString& caption)
        : FCaption(caption)
    {}
    QString caption() const { return FCaption; }

private:
    QString FCaption;
};
