#pragma once
// The one almanac clock every window reads: an instant in universal time that runs with the
// platform's clock, 3600 times faster in fast mode, or stands still. It counts universal time,
// so a change of the computer's zone offset (summer time) never makes it jump; the local time a
// window shows is derived from it per instant.

#include "astro/types.h"

class TClock;

class TAlmanacClock {
public:
    // In fast mode one real second shows one hour.
    static constexpr double FastFactor = 3600;

    // Shows the platform clock's universal time now, running at normal speed.
    explicit TAlmanacClock(const TClock& clock);

    const TClock& platformClock() const { return FClock; }

    // The shown instant now (universal time, TDateTime).
    astro::TDateTime universalNow() const;

    bool fast() const { return FFast; }
    // Changes the speed; the shown time goes on from the instant shown at this moment.
    void setFast(bool fast);

    bool stopped() const { return FStopped; }
    // Freezes the shown instant, in normal and in fast mode; run goes on from it.
    void stop();
    void run();

    // Shows `ut` from now on and runs on from it at the current speed (or stays on it while
    // stopped).
    void setUniversal(astro::TDateTime ut);

private:
    double speed() const { return FFast ? FastFactor : 1.0; }

    const TClock& FClock;
    // The platform's universal time when the shown instant was last set, and that instant.
    astro::TDateTime FRealBase;
    astro::TDateTime FShownBase;
    bool FFast = false;
    bool FStopped = false;
};
