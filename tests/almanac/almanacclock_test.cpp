// The almanac clock as the menus drive it, with a stepped platform clock: fast mode goes on
// from the shown instant, Stop freezes it, and a change of the computer's offset never moves it.

#include "almanac/almanacclock.h"

#include "controls/clock.h"

#include <gtest/gtest.h>

namespace {

constexpr double Hour = 1.0 / 24;
constexpr double Second = 1.0 / astro::SecondsPerDay;
constexpr double Start = 46000.25;  // local time of the fixed clock

TEST(AlmanacClock, StartsAtTheUniversalTimeOfThePlatformAndRunsWithIt)
{
    TFixedClock clock(Start, -120);
    const TAlmanacClock almanac(clock);
    EXPECT_NEAR(almanac.universalNow(), Start - 2 * Hour, 1e-9);
    clock.advanceSeconds(90);
    EXPECT_NEAR(almanac.universalNow(), Start - 2 * Hour + 90 * Second, 1e-9);
}

TEST(AlmanacClock, SwitchingTheSpeedGoesOnFromTheShownInstant)
{
    TFixedClock clock(Start, 0);
    TAlmanacClock almanac(clock);
    almanac.setFast(true);
    clock.advanceSeconds(3);
    EXPECT_NEAR(almanac.universalNow(), Start + 3 * Hour, 1e-6);
    // Back to normal speed: the three hours shown stay, nothing jumps back to the start.
    almanac.setFast(false);
    EXPECT_NEAR(almanac.universalNow(), Start + 3 * Hour, 1e-6);
    clock.advanceSeconds(3);
    EXPECT_NEAR(almanac.universalNow(), Start + 3 * Hour + 3 * Second, 1e-6);
    almanac.setFast(true);
    EXPECT_NEAR(almanac.universalNow(), Start + 3 * Hour + 3 * Second, 1e-6);
}

TEST(AlmanacClock, StopFreezesInEitherSpeedAndRunGoesOnFromThere)
{
    for (const bool fast : {false, true}) {
        TFixedClock clock(Start, 0);
        TAlmanacClock almanac(clock);
        almanac.setFast(fast);
        clock.advanceSeconds(2);
        const double shown = almanac.universalNow();
        almanac.stop();
        EXPECT_TRUE(almanac.stopped());
        clock.advanceSeconds(100);
        EXPECT_EQ(almanac.universalNow(), shown) << fast;
        // A time set while stopped is shown and stays.
        almanac.setUniversal(Start + 10);
        clock.advanceSeconds(5);
        EXPECT_EQ(almanac.universalNow(), Start + 10) << fast;
        almanac.run();
        clock.advanceSeconds(1);
        EXPECT_NEAR(almanac.universalNow(), Start + 10 + (fast ? Hour : Second), 1e-6) << fast;
    }
}

TEST(AlmanacClock, ASetTimeRunsOnAtTheCurrentSpeed)
{
    for (const bool fast : {false, true}) {
        TFixedClock clock(Start, 60);
        TAlmanacClock almanac(clock);
        almanac.setFast(fast);
        clock.advanceSeconds(100);
        almanac.setUniversal(Start + 30);
        EXPECT_NEAR(almanac.universalNow(), Start + 30, 1e-9) << fast;
        clock.advanceSeconds(2);
        EXPECT_NEAR(almanac.universalNow(), Start + 30 + (fast ? 2 * Hour : 2 * Second), 1e-6) << fast;
    }
}

// The platform's local time jumps an hour at a change to summer time while universal time runs
// on evenly: the almanac clock follows universal time.
class SummerTimeClock : public TClock {
public:
    TClockTime localNow() const override { return FUniversal - FBias / astro::MinutesPerDay; }
    int utcBiasMinutes() const override { return FBias; }
    QTimeZone zone() const override { return QTimeZone(-FBias * 60); }
    TClockTime universalNow() const override { return FUniversal; }
    void advanceSeconds(double seconds) { FUniversal += seconds / astro::SecondsPerDay; }
    void changeToSummerTime() { FBias = -120; }

private:
    TClockTime FUniversal = Start;
    int FBias = -60;
};

TEST(AlmanacClock, AChangeToSummerTimeDoesNotMoveIt)
{
    for (const bool fast : {false, true}) {
        SummerTimeClock clock;
        TAlmanacClock almanac(clock);
        almanac.setFast(fast);
        clock.advanceSeconds(1);
        const double before = almanac.universalNow();
        clock.changeToSummerTime();
        EXPECT_EQ(almanac.universalNow(), before) << fast;
        clock.advanceSeconds(1);
        EXPECT_NEAR(almanac.universalNow() - before, fast ? Hour : Second, 1e-6) << fast;
    }
}

}  // namespace
