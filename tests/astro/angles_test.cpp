#include "astro/angles.h"

#include <gtest/gtest.h>

#include <cmath>

namespace astro {
namespace {

struct TAngleCase {
    double argument;
    double expected;
};

TEST(Normalize360, ReducesIntoOneTurn)
{
    const TAngleCase cases[] = {
        {-30.0, 330.0},           {720.0, 0.0},  {540.0, 180.0},      {180.0, 180.0}, {0.0, 0.0},      {-720.0, 0.0},
        {359.5, 359.5},           {-359.5, 0.5}, {1e9 + 12.5, 292.5}, {-1e9, 80.0},   {-180.0, 180.0}, {900.0, 180.0},
        {360.0 * 5 + 1.25, 1.25},
    };
    for (const TAngleCase& c : cases)
        EXPECT_NEAR(Normalize360(c.argument), c.expected, 1e-6) << "argument " << c.argument;
}

// A rest just below 0 plus 360 rounds to 360.0 itself; the result must still be below 360.
TEST(Normalize360, TinyNegativeRestStaysBelow360)
{
    for (const double x : {-1e-15, -1e-300, -5e-324, 720.0 - 1e-14, -360.0 - 1e-14}) {
        const double reduced = Normalize360(x);
        EXPECT_GE(reduced, 0.0) << x;
        EXPECT_LT(reduced, 360.0) << x;
    }
}

TEST(WrapOneBased, BringsRemainderIntoOneToB)
{
    const struct {
        int a, b, expected;
    } cases[] = {{12, 12, 12},  {0, 60, 60},   {-1, 60, 59}, {1, 60, 1},   {61, 60, 1},
                 {-60, 60, 60}, {-61, 60, 59}, {125, 12, 5}, {-13, 12, 11}};
    for (const auto& c : cases)
        EXPECT_EQ(WrapOneBased(c.a, c.b), c.expected) << c.a << " mod " << c.b;
}

TEST(ArcTan2Deg, CoversMinus90To270)
{
    const struct {
        double y, x, expected;
    } cases[] = {
        {1, -1, 135}, {-1, -1, 225}, {-1, 1, -45}, {1, 1, 45},      {0, 1, 0},          {0, -1, 180},
        {1, 0, 90},   {-1, 0, -90},  {0, 0, 0},    {-0.0, -1, 180}, {-1e-300, -1, 180}, {std::sqrt(3.0), 1, 60},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(ArcTan2Deg(c.y, c.x), c.expected, 1e-12) << "y " << c.y << " x " << c.x;
}

TEST(ArcSinCos, HandleTheEndsOfTheRange)
{
    EXPECT_DOUBLE_EQ(ArcSinDeg(1.0), 90.0);
    EXPECT_DOUBLE_EQ(ArcSinDeg(-1.0), -90.0);
    EXPECT_DOUBLE_EQ(ArcSinDeg(std::nextafter(1.0, 2.0)), 90.0);
    EXPECT_DOUBLE_EQ(ArcSinRad(1.0), Pi / 2);
    EXPECT_NEAR(ArcSinDeg(0.5), 30.0, 1e-12);
    EXPECT_NEAR(ArcCosDeg(0.5), 60.0, 1e-12);
    EXPECT_NEAR(ArcCosDeg(1.0), 0.0, 1e-12);
    EXPECT_NEAR(ArcCosDeg(-1.0), 180.0, 1e-12);
    EXPECT_NEAR(ArcTanDeg(1.0), 45.0, 1e-12);
}

TEST(DegreeTrigonometry, AgreesForAnyNumberOfTurns)
{
    for (const double turns : {0.0, 1.0, -3.0, 1e6, -1e6}) {
        const double offset = 360.0 * turns;
        EXPECT_NEAR(SinDeg(30.0 + offset), 0.5, 1e-9) << turns;
        EXPECT_NEAR(CosDeg(60.0 + offset), 0.5, 1e-9) << turns;
        EXPECT_NEAR(TanDeg(45.0 + offset), 1.0, 1e-9) << turns;
    }
    EXPECT_NEAR(DegreesToRadians(180.0), Pi, 1e-15);
    EXPECT_NEAR(RadiansToDegrees(Pi / 2), 90.0, 1e-13);
    EXPECT_NEAR(TanRad(Pi / 4), 1.0, 1e-15);
}

}  // namespace
}  // namespace astro
