// The day scan against functions whose zeros are known.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <numbers>
#include <ostream>
#include <string>
#include <vector>

#include "astro/crossings.h"

namespace astro {
namespace {

constexpr double Second = 1.0 / 86400.0;

struct TCase {
    const char* Name;
    std::function<double(double)> F;
    std::vector<TZeroCrossing> Expected;
};

// A parabola of the given height at peak, so narrow that a height of 1e-4 is above zero for
// 1e-4 days (under 9 seconds) either side of the peak.
std::function<double(double)> Dome(double peak, double height)
{
    return [=](double x) { return height - 1e4 * (x - peak) * (x - peak); };
}

const TCase Cases[] = {
    {"OneRiseOneSet",
     [](double x) { return std::sin(2 * std::numbers::pi * (x - 0.3)) - 0.5; },
     {{0.3 + 1.0 / 12, true}, {0.3 + 5.0 / 12, false}}},
    // Both crossings between two hourly samples: only the turn shows them.
    {"ShortDomeBetweenSamples", Dome(0.51, 1e-4), {{0.51 - 1e-4, true}, {0.51 + 1e-4, false}}},
    {"DomeShortOfZero", Dome(0.51, -1e-6), {}},
    {"DomeAtTheDaysStartIsCutThere", Dome(0.0, 1e-4), {{1e-4, false}}},
    {"AtNoon", [](double x) { return x - 0.5; }, {{0.5, true}}},
    {"ZeroAtMidnightBelongsToTheDayItStarts", [](double x) { return x; }, {{0.0, true}}},
    {"ZeroAtTheDaysEndIsTheNextDays", [](double x) { return 1.0 - x; }, {}},
    {"JustBeforeTheDaysStartIsTheDayBefores", [](double x) { return x + 10 * Second; }, {}},
    {"JustBeforeTheDaysEnd", [](double x) { return x - (1.0 - 10 * Second); }, {{1.0 - 10 * Second, true}}},
    {"ThreeCyclesADay",
     [](double x) { return std::sin(2 * std::numbers::pi * 3 * (x - 0.01)); },
     {{0.01, true},
      {0.01 + 1.0 / 6, false},
      {0.01 + 2.0 / 6, true},
      {0.01 + 3.0 / 6, false},
      {0.01 + 4.0 / 6, true},
      {0.01 + 5.0 / 6, false}}},
    // Steep on one side, flat on the other: false position alone would creep.
    {"Lopsided", [](double x) { return std::exp(40 * (x - 0.7)) - 1.0; }, {{0.7, true}}},
    {"Constant", [](double) { return 1.0; }, {}},
};

void PrintTo(const TCase& c, std::ostream* os) { *os << c.Name; }

class DayZeroCrossingsOf : public testing::TestWithParam<TCase> {};

TEST_P(DayZeroCrossingsOf, FindsEachZeroOfTheDayWithinASecond)
{
    const TCase& c = GetParam();
    const std::vector<TZeroCrossing> found = DayZeroCrossings(c.F);
    ASSERT_EQ(found.size(), c.Expected.size());
    for (std::size_t i = 0; i < found.size(); ++i) {
        EXPECT_NEAR(found[i].Fraction, c.Expected[i].Fraction, Second) << "crossing " << i;
        EXPECT_EQ(found[i].Upward, c.Expected[i].Upward) << "crossing " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Functions, DayZeroCrossingsOf, testing::ValuesIn(Cases),
                         [](const testing::TestParamInfo<TCase>& info) { return std::string(info.param.Name); });

TEST(DayZeroCrossings, AFunctionWithHolesEndsWithoutInventingCrossings)
{
    const auto holes = [](double x) {
        return std::fmod(x, 0.1) < 0.05 ? std::numeric_limits<double>::quiet_NaN() : -1.0;
    };
    EXPECT_TRUE(DayZeroCrossings(holes).empty());
}

}  // namespace
}  // namespace astro
