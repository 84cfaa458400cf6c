#include "moonwindow/lunationphases.h"

#include "astro/phases.h"
#include "moonwindowfixture.h"

#include <gtest/gtest.h>

namespace {

using namespace astro;

// The phases kept for one instant of a lunation are what the searches give at any other
// instant of it; at its edges the searches are asked again.
TEST(LunationPhases, KeptPhasesServeTheWholeLunation)
{
    const TLunationPhases phases = LunationPhasesAt(At(2024, 1, 20));
    EXPECT_EQ(phases.Lunation, 1250);
    EXPECT_FALSE(phases.BlueMoon);
    EXPECT_NEAR(phases.LastNew, At(2024, 1, 11, 11, 57), 3.0 / MinutesPerDay);
    EXPECT_NEAR(phases.NextNew, At(2024, 2, 9, 22, 59), 3.0 / MinutesPerDay);
    for (double ut = phases.LastNew + 0.01; ut < phases.NextNew; ut += 0.37) {
        ASSERT_TRUE(phases.Covers(ut)) << ut;
        const TLunationPhases fresh = LunationPhasesAt(ut);
        EXPECT_NEAR(fresh.LastNew, phases.LastNew, 1e-6) << ut;
        EXPECT_NEAR(fresh.FirstQuarter, phases.FirstQuarter, 1e-6) << ut;
        EXPECT_NEAR(fresh.Full, phases.Full, 1e-6) << ut;
        EXPECT_NEAR(fresh.LastQuarter, phases.LastQuarter, 1e-6) << ut;
        EXPECT_NEAR(fresh.NextNew, phases.NextNew, 1e-6) << ut;
        EXPECT_EQ(fresh.Lunation, phases.Lunation) << ut;
    }
    for (const double ut : {phases.LastNew, phases.NextNew, phases.LastNew - 1, phases.NextNew + 1})
        EXPECT_FALSE(phases.Covers(ut)) << ut;
}

TEST(LunationPhases, BlueMoonOfAugust2023)
{
    EXPECT_TRUE(LunationPhasesAt(At(2023, 8, 31)).BlueMoon);
    EXPECT_FALSE(LunationPhasesAt(At(2023, 8, 2)).BlueMoon);
}

}  // namespace
