#pragma once

#include "controls/control.h"

// A message-loop timer. The view runs a real timer while enabled and calls tick(); tests call
// tick() themselves.
class TTimer : public TControl {
public:
    explicit TTimer(int intervalMs, bool enabled = true) : FInterval(intervalMs) { setEnabled(enabled); }

    int interval() const { return FInterval; }
    void setInterval(int intervalMs) { assign(FInterval, intervalMs); }

    void tick() const
    {
        if (onTimer && enabled())
            onTimer();
    }

    TNotifyEvent onTimer;

private:
    int FInterval;
};
