#include "almanac/almanacclock.h"

#include "controls/clock.h"

TAlmanacClock::TAlmanacClock(const TClock& clock)
    : FClock(clock),
      FRealBase(clock.universalNow()),
      FShownBase(FRealBase)
{}

astro::TDateTime TAlmanacClock::universalNow() const
{
    if (FStopped)
        return FShownBase;
    return FShownBase + (FClock.universalNow() - FRealBase) * speed();
}

void TAlmanacClock::setFast(bool fast)
{
    setUniversal(universalNow());
    FFast = fast;
}

void TAlmanacClock::stop()
{
    setUniversal(universalNow());
    FStopped = true;
}

void TAlmanacClock::run()
{
    FRealBase = FClock.universalNow();
    FStopped = false;
}

void TAlmanacClock::setUniversal(astro::TDateTime ut)
{
    FShownBase = ut;
    FRealBase = FClock.universalNow();
}
