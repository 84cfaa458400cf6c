#include "controls/shownclock.h"

TShownClock::TShownClock(const TClock& clock)
    : FClock(clock),
      FRealBase(clock.localNow()),
      FShownBase(FRealBase)
{}

TClockTime TShownClock::localNow() const
{
    const double elapsed = FClock.localNow() - FRealBase;
    return FFast ? FShownBase + elapsed * FastFactor : FShownBase + elapsed;
}

TClockTime TShownClock::universalNow() const { return FClock.universalTime(localNow()); }

void TShownClock::setFast(bool fast)
{
    FFast = fast;
    FRealBase = FClock.localNow();
}

void TShownClock::setShown(TClockTime shown)
{
    const TClockTime now = FClock.localNow();
    if (FFast) {
        FRealBase = now;
        FShownBase = shown;
    } else {
        FShownBase = shown - (now - FRealBase);
    }
}

void TShownClock::setBase(TClockTime realBase, TClockTime shownBase)
{
    FRealBase = realBase;
    FShownBase = shownBase;
}
