#include "calculator/photo_values.h"
#include "tests/calculator/calculator_test_support.h"
#include "tests/locale_switch.h"
#include "tests/test_printers.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

TEST(PhotoValues, AdditiveSystemExamples)
{
    EXPECT_DOUBLE_EQ(ApertureValue(8), 6);
    EXPECT_DOUBLE_EQ(ApertureValue(1.4), 1);
    EXPECT_DOUBLE_EQ(SpeedValue(400), 7);
    EXPECT_DOUBLE_EQ(SpeedValue(100), 5);
    EXPECT_DOUBLE_EQ(TimeValue(1.0 / 125), 7);
    EXPECT_DOUBLE_EQ(TimeValue(1), 0);
    EXPECT_DOUBLE_EQ(FRatioFromValue(5.5), 6.7);
    EXPECT_DOUBLE_EQ(FRatioFromValue(6), 8);
    EXPECT_DOUBLE_EQ(SecondsFromValue(3), 0.125);
    EXPECT_DOUBLE_EQ(SecondsFromValue(-1), 2);
}

TEST(PhotoValues, ShutterTimeTexts)
{
    const struct {
        double seconds;
        const char* text;
    } cases[] = {{std::pow(2.0, -10), "1/1024 sec"},
                 {std::pow(2.0, 1.5), "2.83 sec"},
                 {1, "1 sec"},
                 {0, "zero"},
                 {1.0 / 3, "1/3 sec"},
                 {0.4, "1/2 sec"},
                 {30, "30 sec"}};
    for (const auto& c : cases)
        EXPECT_EQ(ShutterTimeText(c.seconds), LocaleText(c.text)) << c.seconds;
}

TEST(PhotoValues, ZeroIsRejectedWithItsOwnMessage)
{
    const struct {
        std::function<double()> run;
        const char* message;
    } cases[] = {{[] { return TimeValue(0); }, "Exposure time cannot be zero"},
                 {[] { return ApertureValue(0); }, "F ratio cannot be zero"},
                 {[] { return SpeedValue(0); }, "ISO cannot be zero"},
                 {[] { return ApertureValue(-2); }, "Invalid floating point operation"}};
    for (const auto& c : cases)
        expectUserError([&] { c.run(); }, c.message);
}

}  // namespace
