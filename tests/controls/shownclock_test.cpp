#include "controls/shownclock.h"

#include <gtest/gtest.h>

namespace {

constexpr double Hour = 1.0 / 24;
constexpr double Second = 1.0 / astro::SecondsPerDay;
constexpr double Start = 46000.25;  // local time of the fixed clock

TEST(Clock, UniversalTimeIsLocalTimePlusTheBias)
{
    const struct {
        int bias;
        double universal;
    } cases[] = {{0, Start}, {-60, Start - Hour}, {330, Start + 5.5 * Hour}};
    for (const auto& c : cases) {
        const TFixedClock clock(Start, c.bias);
        EXPECT_NEAR(clock.universalNow(), c.universal, 1e-9) << c.bias;
    }
}

TEST(ShownClock, StartsAtTheClockAndRunsWithIt)
{
    TFixedClock clock(Start, -120);
    const TShownClock shown(clock);
    EXPECT_FALSE(shown.fast());
    EXPECT_EQ(shown.localNow(), Start);
    clock.advanceSeconds(90);
    EXPECT_NEAR(shown.localNow(), Start + 90 * Second, 1e-9);
    EXPECT_NEAR(shown.universalNow(), Start + 90 * Second - 2 * Hour, 1e-9);
}

TEST(ShownClock, FastModeShowsAnHourPerSecondFromTheShownBase)
{
    TFixedClock clock(Start, 0);
    TShownClock shown(clock);
    clock.advanceSeconds(600);
    shown.setFast(true);
    // The ten minutes shown before the switch are not carried over.
    EXPECT_EQ(shown.localNow(), Start);
    clock.advanceSeconds(3);
    EXPECT_NEAR(shown.localNow(), Start + 3 * Hour, 1e-6);
    shown.setFast(false);
    clock.advanceSeconds(3);
    EXPECT_NEAR(shown.localNow(), Start + 3 * Second, 1e-9);
}

TEST(ShownClock, ASetTimeRunsOnAtTheCurrentSpeed)
{
    for (const bool fast : {false, true}) {
        TFixedClock clock(Start, 60);
        TShownClock shown(clock);
        shown.setFast(fast);
        clock.advanceSeconds(100);
        const double realBase = shown.realBase();
        shown.setShown(Start + 30);
        EXPECT_NEAR(shown.localNow(), Start + 30, 1e-9) << fast;
        EXPECT_NEAR(shown.universalNow(), Start + 30 + Hour, 1e-9) << fast;
        // Normal mode keeps its real base, fast mode restarts from the set time.
        EXPECT_EQ(shown.realBase() == realBase, !fast);
        clock.advanceSeconds(2);
        EXPECT_NEAR(shown.localNow(), Start + 30 + (fast ? 2 * Hour : 2 * Second), 1e-6) << fast;
    }
}

TEST(ShownClock, ABaseFromElsewhereRunsAtNormalSpeed)
{
    TFixedClock clock(Start, 0);
    TShownClock shown(clock);
    shown.setBase(Start - 10 * Second, Start + 7);
    EXPECT_EQ(shown.shownBase(), Start + 7);
    EXPECT_NEAR(shown.localNow(), Start + 7 + 10 * Second, 1e-9);
}

}  // namespace
