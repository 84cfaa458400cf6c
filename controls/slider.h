#pragma once

#include "controls/control.h"

#include <algorithm>

// A track bar. A new position is first clamped into [minimum, maximum]; onChange runs only
// when the clamped position differs from the current one.
class TSlider : public TControl {
public:
    TSlider(int minimum, int maximum, int position)
        : FMin(minimum),
          FMax(maximum),
          FPosition(position)
    {}

    int minimum() const { return FMin; }
    int maximum() const { return FMax; }
    int position() const { return FPosition; }
    void setPosition(int position)
    {
        if (!assign(FPosition, std::clamp(position, FMin, FMax)))
            return;
        if (onChange)
            onChange();
    }

    // A new end of the range (not below its start); a position beyond it is brought back.
    void setMaximum(int maximum)
    {
        if (assign(FMax, std::max(maximum, FMin)))
            setPosition(FPosition);
    }

    TNotifyEvent onChange;

private:
    int FMin;
    int FMax;
    int FPosition;
};
