#include "moredata/lastcomputed.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

TEST(LastComputed, ComputesOnlyForANewKey)
{
    TLastComputed<int, int> squares;
    int computed = 0;
    const auto square = [&](int x) {
        return [&computed, x] {
            ++computed;
            return x * x;
        };
    };
    EXPECT_EQ(squares.get(3, square(3)), 9);
    EXPECT_EQ(squares.get(3, square(3)), 9);
    EXPECT_EQ(computed, 1);
    EXPECT_EQ(squares.get(4, square(4)), 16);
    EXPECT_EQ(squares.get(3, square(3)), 9);
    EXPECT_EQ(computed, 3);
}

// A failed computation must not leave the key it failed for looking computed.
TEST(LastComputed, AFailedComputationKeepsTheLastValueForItsOwnKey)
{
    TLastComputed<int, int> values;
    values.get(1, [] { return 10; });
    EXPECT_THROW(values.get(2, []() -> int { throw std::runtime_error("out of range"); }), std::runtime_error);
    EXPECT_EQ(values.get(1, [] { return 0; }), 10);
    EXPECT_EQ(values.get(2, [] { return 20; }), 20);
    EXPECT_EQ(values.get(2, [] { return 0; }), 20);
}

}  // namespace
