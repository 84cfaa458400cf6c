#pragma once
// Where the window logic learns the time. It never reads the system clock itself, so that
// tests can fix or step the time.

#include "astro/constants.h"

#include <QTimeZone>

// TDateTime: days since 1899-12-30 00:00, the fraction being the time of day.
using TClockTime = double;

class TClock {
public:
    virtual ~TClock() = default;
    // The platform's local time now.
    virtual TClockTime localNow() const = 0;
    // Minutes to add to local time to get universal time (west of Greenwich positive), in the
    // zone's state now.
    virtual int utcBiasMinutes() const = 0;
    // The zone of the platform's clock, for the offset of other instants than now.
    virtual QTimeZone zone() const = 0;
    // Universal time now; it runs on evenly through the zone's changes of offset.
    virtual TClockTime universalNow() const { return universalTime(localNow()); }
    // The universal time of a local time, in the zone's state now.
    TClockTime universalTime(TClockTime local) const { return local + utcBiasMinutes() / astro::MinutesPerDay; }
};

// The machine's clock and time zone.
class TSystemClock : public TClock {
public:
    TClockTime localNow() const override;
    int utcBiasMinutes() const override;
    QTimeZone zone() const override;
    TClockTime universalNow() const override;
};

// A clock that shows what a test sets: a local time in a zone of fixed offset.
class TFixedClock : public TClock {
public:
    TFixedClock(TClockTime now, int biasMinutes)
        : FNow(now),
          FBias(biasMinutes)
    {}
    TClockTime localNow() const override { return FNow; }
    int utcBiasMinutes() const override { return FBias; }
    // A zone of fixed offset -bias, unless a test names one with summer time.
    QTimeZone zone() const override { return FZone.isValid() ? FZone : QTimeZone(-FBias * 60); }
    void setZone(const QTimeZone& zone) { FZone = zone; }
    void set(TClockTime now) { FNow = now; }
    void advanceSeconds(double seconds) { FNow += seconds / astro::SecondsPerDay; }
    void setBias(int biasMinutes) { FBias = biasMinutes; }

private:
    TClockTime FNow;
    int FBias;
    QTimeZone FZone;
};
