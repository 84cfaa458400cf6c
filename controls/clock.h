#pragma once
// Where the window logic learns the time. It never reads the system clock itself, so that
// tests can fix or step the time.

#include "astro/constants.h"

// TDateTime: days since 1899-12-30 00:00, the fraction being the time of day.
using TClockTime = double;

class TClock {
public:
    virtual ~TClock() = default;
    // The platform's local time now.
    virtual TClockTime localNow() const = 0;
    // Minutes to add to local time to get universal time (west of Greenwich positive).
    virtual int utcBiasMinutes() const = 0;
    // Universal time now, and the universal time of a local time and back, in the current zone
    // state.
    TClockTime universalNow() const { return universalTime(localNow()); }
    TClockTime universalTime(TClockTime local) const { return local + utcBiasMinutes() / astro::MinutesPerDay; }
    TClockTime localTime(TClockTime universal) const { return universal - utcBiasMinutes() / astro::MinutesPerDay; }
};

// The machine's clock and time zone.
class TSystemClock : public TClock {
public:
    TClockTime localNow() const override;
    int utcBiasMinutes() const override;
};

// A clock that shows what a test sets.
class TFixedClock : public TClock {
public:
    TFixedClock(TClockTime now, int biasMinutes)
        : FNow(now),
          FBias(biasMinutes)
    {}
    TClockTime localNow() const override { return FNow; }
    int utcBiasMinutes() const override { return FBias; }
    void set(TClockTime now) { FNow = now; }
    void advanceSeconds(double seconds) { FNow += seconds / astro::SecondsPerDay; }
    void setBias(int biasMinutes) { FBias = biasMinutes; }

private:
    TClockTime FNow;
    int FBias;
};
