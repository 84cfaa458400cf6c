#include "texts/almanactext.h"

#include "../test_printers.h"
#include "astro/calendar.h"
#include "astro/constants.h"
#include "astro/errors.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

using astro::CalendarToDateTime;

double At(int year, int month, int day, int hour = 0, int minute = 0, double second = 0)
{
    return CalendarToDateTime(year, month, day) + (hour * 3600 + minute * 60 + second) / astro::SecondsPerDay;
}

QString Month(int month) { return QLocale().monthName(month, QLocale::LongFormat); }

TEST(DateTimeText, TwoDigitTimeDayWithoutZeroFullMonthFourDigitYear)
{
    EXPECT_EQ(DateTimeText(At(2026, 12, 7, 5, 3, 9)), "05:03:09 7 " + Month(12) + " 2026");
    // Milliseconds are dropped, not rounded into the next second.
    EXPECT_EQ(DateTimeText(At(2026, 12, 7, 23, 59, 59.7)), "23:59:59 7 " + Month(12) + " 2026");
}

TEST(DateTimeText, DatesBeforeTheReformAreJulianAndEarlyYearsHaveFourDigits)
{
    EXPECT_EQ(DateTimeText(At(1582, 10, 4, 12)), "12:00:00 4 " + Month(10) + " 1582");
    EXPECT_EQ(DateTimeText(At(1582, 10, 15, 12)), "12:00:00 15 " + Month(10) + " 1582");
    EXPECT_EQ(DateTimeText(At(33, 4, 3, 15)), "15:00:00 3 " + Month(4) + " 0033");
    // Before 1899-12-30 the time of day counts forward from midnight as well.
    EXPECT_EQ(DateTimeText(-0.75), "06:00:00 29 " + Month(12) + " 1899");
}

TEST(DateTimeText, OutsideTheCalendarThrows) { EXPECT_THROW(DateTimeText(At(9999, 12, 31) + 1), astro::EConvertError); }

TEST(EventTimeText, HoursAndMinutesThenUtcThenTheDate)
{
    EXPECT_EQ(EventTimeText(At(2026, 12, 20, 1, 43, 59)), "01:43 UTC 20 " + Month(12) + " 2026");
    EXPECT_EQ(DateText(At(2024, 2, 10, 23, 59)), "10 " + Month(2) + " 2024");
}

struct TAngleCase {
    double degrees;
    const char* text;
};

class AngleTextCases : public ::testing::TestWithParam<TAngleCase> {};

TEST_P(AngleTextCases, DegreesMinutesSeconds)
{
    EXPECT_EQ(AngleText(GetParam().degrees), QString::fromUtf8(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Angles, AngleTextCases,
                         ::testing::Values(TAngleCase{-(32 + 26 / 60.0), "-32° 26' 0''"}, TAngleCase{0, "0° 0' 0''"},
                                           TAngleCase{34.9, "34° 54' 0''"}, TAngleCase{122.4194, "122° 25' 10''"},
                                           // 59.9999" rounds up into the next minute and degree.
                                           TAngleCase{1 + 59 / 60.0 + 59.9999 / 3600, "2° 0' 0''"},
                                           TAngleCase{-0.5 / 3600, "-0° 0' 0''"}));

TEST(ReplaceAll, ReplacesEveryOccurrenceAndLeavesOtherTemplatesAlone)
{
    EXPECT_EQ(ReplaceAll("%1%", "12", "%1% days, %2% hours, %1%"), "12 days, %2% hours, 12");
    EXPECT_EQ(ReplaceAll("%4%", "5", "%1% days"), "%1% days");
}

TEST(ReplaceAll, AValueContainingThePatternEndsInsteadOfLoopingForever)
{
    EXPECT_EQ(ReplaceAll("a", "aa", "bab"), "baab");
    EXPECT_EQ(ReplaceAll("", "x", "text"), "text");
}

struct TOffsetCase {
    int bias;
    double hours;  // the number the text shows
};

class UtcOffsetCases : public ::testing::TestWithParam<TOffsetCase> {};

TEST_P(UtcOffsetCases, TenthsOfHoursHalvesToEven)
{
    EXPECT_EQ(UtcOffsetHoursText(GetParam().bias), QLocale().toString(GetParam().hours));
}

INSTANTIATE_TEST_SUITE_P(Biases, UtcOffsetCases,
                         ::testing::Values(TOffsetCase{-600, 10}, TOffsetCase{-330, 5.5}, TOffsetCase{300, -5},
                                           // 57.5 tenths go to the even 58.
                                           TOffsetCase{-345, 5.8}, TOffsetCase{0, 0}, TOffsetCase{-525, 8.8}));

}  // namespace
