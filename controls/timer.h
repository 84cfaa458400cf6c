#pragma once

#include "controls/control.h"
#include "controls/guard.h"

// A message-loop timer. The view runs a real timer while enabled and calls elapse() at each
// interval; tests call tick() to see a handler's error, or elapse() to see what a user sees.
class TTimer : public TControl {
public:
    explicit TTimer(int intervalMs, bool enabled = true)
        : FInterval(intervalMs)
    {
        setEnabled(enabled);
    }

    int interval() const { return FInterval; }
    void setInterval(int intervalMs) { assign(FInterval, intervalMs); }

    void tick() const
    {
        if (onTimer && enabled())
            onTimer();
    }

    // A tick of the running timer; an error that comes back at every tick is reported once.
    void elapse()
    {
        FGuard.run([this] { tick(); });
    }

    TNotifyEvent onTimer;

private:
    int FInterval;
    TRepeatGuard FGuard;
};
