// The almanac at the edges of its arguments: huge, non-finite and extreme values end at once
// with a finite result or the library's error.

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <climits>
#include <cmath>
#include <limits>

#include "astro/astro.h"
#include "tests/astro/almanac_entry_points.h"

namespace astro {
namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

TEST(Normalize360EndsForHugeAngles, ReducesEveryFiniteAngleIntoOneTurn)
{
    for (double x :
         {5.84e34, -5.84e34, 1e300, -1e300, DBL_MAX, -DBL_MAX, 1e15, -1e15, DBL_MIN, -DBL_MIN, 0x1p-1074, -0x1p-1074}) {
        const double r = Normalize360(x);
        EXPECT_TRUE(r >= 0.0 && r < 360.0) << x << " gave " << r;
        // Reduction is odd-symmetric: -x lands on the other side of 0 by the same rest, and a
        // rest too small to leave 360 is 0.
        const double other = 360.0 - r;
        if (r != 0.0) {
            EXPECT_EQ(Normalize360(-x), other == 360.0 ? 0.0 : other) << x;
        }
    }
    // Multiples of 360 far beyond any integer type reduce to 0 exactly.
    EXPECT_EQ(Normalize360(360.0 * 0x1p100), 0.0);
    EXPECT_EQ(Normalize360(-360.0 * 0x1p900), 0.0);
    EXPECT_TRUE(std::isnan(Normalize360(Inf)));
    EXPECT_TRUE(std::isnan(Normalize360(NaN)));
}

TEST(Normalize360EndsForHugeAngles, KeepsTheReductionOfOrdinaryAngles)
{
    const struct {
        double Angle;
        double Reduced;
    } cases[] = {
        {725.0, 5.0}, {-1.0, 359.0},  {-1e-20, 0.0}, {1e9, 280.0},
        {-1e9, 80.0}, {359.5, 359.5}, {-360.0, 0.0}, {720.25, 0.25},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Normalize360(c.Angle), c.Reduced) << c.Angle;
}

TEST(Normalize360EndsForHugeAngles, TheCallsThatHungNowEnd)
{
    const double s = SinDeg(5.84e34);
    EXPECT_TRUE(s >= -1.0 && s <= 1.0);
    EXPECT_THROW(MoonPosition(1e14), E_OutOfAlgorithmRange);
    EXPECT_THROW(SunPosition(1e15), E_OutOfAlgorithmRange);
    for (double t : {1e14, -1e14, 1e15, -1e15})
        EXPECT_THROW(PhaseInstant(mpNew, t), E_OutOfAlgorithmRange) << t;
    EXPECT_THROW(IsBlueMoonLunation(1000000000), E_OutOfAlgorithmRange);
    EXPECT_THROW(IsBlueMoonLunation(INT_MIN), E_OutOfAlgorithmRange);
}

TEST(EntryPointsCheckTheirRange, NonFiniteAndFarInstantsRaiseTheLibraryError)
{
    const double absurd[] = {NaN,
                             Inf,
                             -Inf,
                             1e300,
                             -1e300,
                             2.953e9,
                             std::nextafter(FirstAlgorithmInstant, -Inf),
                             std::nextafter(LastAlgorithmInstant, Inf)};
    EXPECT_THROW(SunPosition(NaN), E_OutOfAlgorithmRange);
    EXPECT_THROW(Nutation(NaN), E_OutOfAlgorithmRange);
    EXPECT_THROW(PhaseAfter(mpNew, 2.953e9), E_OutOfAlgorithmRange);
    EXPECT_THROW(SunRiseTime(45000.0, 50.0, NaN), E_OutOfAlgorithmRange);
    EXPECT_THROW(SunHorizontal(45000.0, 0.0, 91.0), E_OutOfAlgorithmRange);
    TSkyPosition far;
    far.RightAscension = -1.5e308;
    EXPECT_THROW(EquatorialToHorizontal(far, 45000.0, -1.5e308, 10.0), E_OutOfAlgorithmRange);
    for (double t : absurd) {
        for (const auto& entry : testing::AlmanacEntryPoints()) {
            testing::TEntryArguments a;
            a.A = t;
            a.B = 10.0;
            a.Latitude = 45.0;
            a.N = 2024;
            a.M = 3;
            a.D = 1;
            EXPECT_EQ(testing::RuleBrokenBy(entry, a), "") << "instant " << t;
        }
    }
}

TEST(EntryPointsCheckTheirRange, TheEdgesOfTheSpanGiveFiniteResults)
{
    for (double t : {FirstAlgorithmInstant, LastAlgorithmInstant}) {
        EXPECT_TRUE(std::isfinite(SunPosition(t).Longitude)) << t;
        EXPECT_TRUE(std::isfinite(MoonPosition(t).Distance)) << t;
        EXPECT_TRUE(std::isfinite(SiderealTime(t))) << t;
        EXPECT_TRUE(std::isfinite(PerigeeApogeeInstantDynamical(false, t))) << t;
        // The functions on universal time reach as far as the dynamical instant they convert
        // to stays inside the span: 5.5 days short of its end, where Delta T has grown so.
        const TDateTime ut = std::max(FirstAlgorithmInstant, UniversalFromDynamical(t));
        EXPECT_TRUE(std::isfinite(MoonAgeDays(ut))) << t;
    }
    EXPECT_THROW(MoonAgeDays(LastAlgorithmInstant), E_OutOfAlgorithmRange);
}

TEST(EntryPointsCheckTheirRange, NonFiniteObserversRaiseTheLibraryError)
{
    const TDateTime t = 45000.0;
    for (const auto& entry : testing::AlmanacEntryPoints()) {
        // Huge finite angles too: two of them summed would overflow.
        for (double bad : {NaN, Inf, -Inf, 1e300, -1.5e308, 91.0}) {
            testing::TEntryArguments a;
            a.A = t;
            a.B = bad;
            a.Latitude = 45.0;
            EXPECT_EQ(testing::RuleBrokenBy(entry, a), "") << "longitude " << bad;
            a.B = 10.0;
            a.Latitude = bad;
            EXPECT_EQ(testing::RuleBrokenBy(entry, a), "") << "latitude " << bad;
        }
    }
}

TEST(IntegerExtremesAreRejected, YearsLunationsAndMonthsAtTheirLimits)
{
    EXPECT_THROW(PrincipalTermOfMonth(-1600085856), E_OutOfAlgorithmRange);
    EXPECT_THROW(PrincipalTermOfMonth(13), E_OutOfAlgorithmRange);
    EXPECT_THROW(PassoverDate(553648128), EConvertError);
    EXPECT_THROW(IsBlueMoonLunation(INT_MIN), E_OutOfAlgorithmRange);
    EXPECT_THROW(ChineseNewYearOf(INT_MIN), EConvertError);
    EXPECT_THROW(SolarTermInstant(2024, INT_MAX), E_OutOfAlgorithmRange);
    for (int n : {INT_MIN, INT_MIN + 1, -1, 0, 10000, INT_MAX - 1, INT_MAX}) {
        for (const auto& entry : testing::AlmanacEntryPoints()) {
            for (int m : {INT_MIN, 0, 7, INT_MAX}) {
                testing::TEntryArguments a;
                a.A = 45000.0;
                a.N = n;
                a.M = m;
                a.D = m;
                EXPECT_EQ(testing::RuleBrokenBy(entry, a), "") << n << ", " << m;
            }
        }
    }
}

}  // namespace
}  // namespace astro
