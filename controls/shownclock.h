#pragma once
// The almanac clock the windows show: the platform clock's time moved to a time the user set,
// running at normal speed or, in fast mode, FastFactor times faster. The shown time is the
// shown base plus the real time elapsed since the real base (times FastFactor when fast).

#include "controls/clock.h"

class TShownClock {
public:
    // In fast mode one real second shows one hour.
    static constexpr double FastFactor = 3600;

    // Shows the clock's own time, at normal speed.
    explicit TShownClock(const TClock& clock);

    // The shown local time now and the universal time belonging to it (TDateTime).
    TClockTime localNow() const;
    TClockTime universalNow() const;

    bool fast() const { return FFast; }
    // Switches the speed and restarts from the shown base: the time shown since then is lost.
    void setFast(bool fast);
    // Shows the local time `shown` from now on. Fast mode runs on fast from it; normal mode
    // keeps its real base.
    void setShown(TClockTime shown);
    // The real clock's reading realBase showed the local time shownBase.
    void setBase(TClockTime realBase, TClockTime shownBase);
    TClockTime realBase() const { return FRealBase; }
    TClockTime shownBase() const { return FShownBase; }

private:
    const TClock& FClock;
    TClockTime FRealBase;
    TClockTime FShownBase;
    bool FFast = false;
};
