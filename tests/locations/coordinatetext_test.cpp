#include "locations/coordinatetext.h"

#include "controls/errors.h"

#include <gtest/gtest.h>

namespace {

struct TAngleCase {
    const char* text;
    double degrees;
};

class EditTextToAngleRead : public ::testing::TestWithParam<TAngleCase> {};

TEST_P(EditTextToAngleRead, GivesDegrees)
{
    EXPECT_NEAR(EditTextToAngle(GetParam().text), GetParam().degrees, 1e-12) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Cases, EditTextToAngleRead,
                         ::testing::Values(TAngleCase{"+032:26:00", 32 + 26 / 60.0},
                                           TAngleCase{"-032:26:00", -(32 + 26 / 60.0)},
                                           TAngleCase{"032:26", 32 + 26 / 60.0}, TAngleCase{"-000:30:00", -0.5},
                                           TAngleCase{"0:0:36", 0.01}, TAngleCase{"45", 45}, TAngleCase{"  -7", -7},
                                           // The masked field leaves blanks in front of the parts it holds.
                                           TAngleCase{" -32:26: 0", -(32 + 26 / 60.0)},
                                           TAngleCase{"  12: 5: 9", 12 + 5 / 60.0 + 9 / 3600.0},
                                           // A sign standing apart from the digits.
                                           TAngleCase{"- 32:00:00", -32}, TAngleCase{"+ 32:30:00", 32.5},
                                           // Nothing after the last ":" is no seconds.
                                           TAngleCase{"12:30:", 12.5}));

class EditTextToAngleFailure : public ::testing::TestWithParam<const char*> {};

TEST_P(EditTextToAngleFailure, RaisesAConversionError)
{
    EXPECT_THROW(EditTextToAngle(GetParam()), EInputError) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Cases, EditTextToAngleFailure,
                         ::testing::Values("", "    :  :  ", "   :  :  ", "abc", "12:ab:00", "032:", "12:30:5x",
                                           "12:3 :00", "+", "1.5:00:00"));

TEST(EditTextToAngle, PassesTheOffendingPartInTheMessage)
{
    try {
        EditTextToAngle("12:ab:00");
        FAIL() << "no error";
    } catch (const EInputError& error) {
        EXPECT_EQ(error.message(), "'ab' is not a valid integer value");
    }
}

struct TTextCase {
    double degrees;
    const char* text;
};

class AngleToEditTextWrite : public ::testing::TestWithParam<TTextCase> {};

TEST_P(AngleToEditTextWrite, GivesDegreesMinutesSecondsWithoutLeadingZeros)
{
    EXPECT_EQ(AngleToEditText(GetParam().degrees), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Cases, AngleToEditTextWrite,
                         ::testing::Values(TTextCase{-(32 + 26 / 60.0), "-32:26:0"}, TTextCase{0, "0:0:0"},
                                           TTextCase{151.5, "151:30:0"}, TTextCase{-0.5, "-0:30:0"},
                                           TTextCase{0.5 / 3600, "0:0:0"}, TTextCase{1.5 / 3600, "0:0:2"},
                                           TTextCase{2.5 / 3600, "0:0:2"}, TTextCase{59.99999, "60:0:0"},
                                           TTextCase{-179.9999, "-180:0:0"}));

TEST(AngleToEditText, ReadsBackToTheSameArcSecond)
{
    double worst = 0;
    for (int arcSeconds = -648000; arcSeconds <= 648000; arcSeconds += 37) {
        const double degrees = arcSeconds / 3600.0;
        const double back = EditTextToAngle(AngleToEditText(degrees));
        worst = std::max(worst, std::fabs(back - degrees) * 3600);
    }
    EXPECT_LT(worst, 1e-6) << "worst error in arc-seconds: " << worst;
}

}  // namespace
