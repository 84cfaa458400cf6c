#include "astro/calendar.h"
#include "astro/chinese_calendar.h"
#include "astro/constants.h"
#include "astro/phases.h"
#include "astro/seasons.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

namespace astro {
namespace {

struct TNewYearCase {
    int Year;
    int Month;
    int Day;
};

class ChineseNewYearTest : public testing::TestWithParam<TNewYearCase> {};

TEST_P(ChineseNewYearTest, FallsOnPublishedDate)
{
    const TNewYearCase& c = GetParam();
    EXPECT_EQ(ChineseNewYearOf(c.Year), CalendarToDateTime(c.Year, c.Month, c.Day));
}

INSTANTIATE_TEST_SUITE_P(ChineseCalendar, ChineseNewYearTest,
                         testing::Values(TNewYearCase{2020, 1, 25}, TNewYearCase{2021, 2, 12}, TNewYearCase{2022, 2, 1},
                                         TNewYearCase{2023, 1, 22}, TNewYearCase{2024, 2, 10},
                                         TNewYearCase{2025, 1, 29}, TNewYearCase{2026, 2, 17}, TNewYearCase{2027, 2, 6},
                                         TNewYearCase{2028, 1, 26}, TNewYearCase{2030, 2, 3}));

TEST(ChineseCalendar, NewYearFallsBetween21JanuaryAnd20FebruaryAndIsMonthOneDayOne)
{
    for (int year = 1901; year <= 2100; ++year) {
        const TDateTime newYear = ChineseNewYearOf(year);
        ASSERT_GE(newYear, CalendarToDateTime(year, 1, 21)) << year;
        ASSERT_LE(newYear, CalendarToDateTime(year, 2, 20)) << year;
        const TChineseDate date = ChineseDateOf(newYear);
        ASSERT_EQ(date.Month, 1) << year;
        ASSERT_EQ(date.Day, 1) << year;
        ASSERT_FALSE(date.IsLeapMonth) << year;
        ASSERT_EQ(date.YearCount, year + 2637) << year;
        const TChineseDate eve = ChineseDateOf(newYear - 1);
        ASSERT_EQ(eve.Month, 12) << year;
        ASSERT_TRUE(eve.Day == 29 || eve.Day == 30) << year;
        ASSERT_EQ(eve.YearCount, year + 2636) << year;
    }
}

struct TChineseDateCase {
    int Year;  // civil date
    int Month;
    int Day;
    TChineseDate Expected;
};

// Month starts, leap months and zodiac years as the published calendars list them.
constexpr TChineseDateCase ChineseDateCases[] = {
    {2024, 2, 10, {4661, 41, 1, false, false, 1, 4}},   // Dragon
    {2025, 1, 29, {4662, 42, 1, false, true, 1, 5}},    // Snake
    {2023, 3, 22, {4660, 40, 2, true, true, 1, 3}},     // leap month 2
    {2023, 4, 20, {4660, 40, 3, false, true, 1, 3}},    // month 3 after the leap month
    {2020, 5, 23, {4657, 37, 4, true, true, 1, 0}},     // leap month 4
    {2025, 7, 25, {4662, 42, 6, true, true, 1, 5}},     // leap month 6
    {2017, 7, 23, {4654, 34, 6, true, true, 1, 9}},     // leap month 6
    {2014, 10, 24, {4651, 31, 9, true, true, 1, 6}},    // leap month 9
    {2024, 12, 31, {4661, 41, 12, false, true, 1, 4}},  // month 12 before the Snake year
    {2024, 2, 9, {4660, 40, 12, false, false, 30, 3}},  // New Year's Eve of the Dragon
};

class ChineseDateTest : public testing::TestWithParam<TChineseDateCase> {};

TEST_P(ChineseDateTest, MatchesPublishedCalendar)
{
    const TChineseDateCase& c = GetParam();
    const TChineseDate got = ChineseDateOf(CalendarToDateTime(c.Year, c.Month, c.Day));
    const TChineseDate& want = c.Expected;
    EXPECT_EQ(got.YearCount, want.YearCount);
    EXPECT_EQ(got.YearInCycle, want.YearInCycle);
    EXPECT_EQ(got.Month, want.Month);
    EXPECT_EQ(got.IsLeapMonth, want.IsLeapMonth);
    EXPECT_EQ(got.IsLeapYear, want.IsLeapYear);
    EXPECT_EQ(got.Day, want.Day);
    EXPECT_EQ(got.YearBranch, want.YearBranch);
}

INSTANTIATE_TEST_SUITE_P(ChineseCalendar, ChineseDateTest, testing::ValuesIn(ChineseDateCases));

TEST(ChineseCalendar, MonthsRunInOrderWithOneLeapMonthInThirteenMonthSpans)
{
    // Every month of 2000..2040 from its start day: day 1, numbered one on from the month
    // before, or a leap month carrying the number of the month before it.
    TDateTime start = ChinaDayOfNewMoonAfter(CalendarToDateTime(2000, 1, 1));
    TChineseDate previous = ChineseDateOf(start);
    int leapMonths = 0;
    while (start < CalendarToDateTime(2041, 1, 1)) {
        start = ChinaDayOfNewMoonAfter(start + 1);
        const TChineseDate date = ChineseDateOf(start);
        ASSERT_EQ(date.Day, 1) << start;
        const int expected = date.IsLeapMonth ? previous.Month : previous.Month % 12 + 1;
        ASSERT_EQ(date.Month, expected) << start;
        ASSERT_FALSE(date.IsLeapMonth && previous.IsLeapMonth) << start;
        ASSERT_EQ(ChineseDateOf(start - 1).Month, previous.Month) << start;
        if (date.IsLeapMonth) {
            ASSERT_TRUE(date.IsLeapYear) << start;
            ASSERT_TRUE(MonthLacksPrincipalTerm(start)) << start;
            ++leapMonths;
        }
        previous = date;
    }
    EXPECT_EQ(leapMonths, 15);  // 41 years: 15 leap months in the 7-in-19 rhythm
}

TEST(ChineseCalendar, ChinaTimeOffsetChangesIn1929)
{
    constexpr double StandardOffset = 8.0 / 24.0;
    constexpr double BeijingMeanOffset = (7 * 3600 + 45 * 60 + 40) / SecondsPerDay;
    constexpr double Tolerance = 1e-9;  // days; the sums lose bits to the day count
    const TDateTime day1950 = CalendarToDateTime(1950, 3, 18);
    const TDateTime day1920 = CalendarToDateTime(1920, 5, 1);
    EXPECT_NEAR(ToChinaTime(day1950) - day1950, StandardOffset, Tolerance);
    EXPECT_NEAR(ToChinaTime(day1920) - day1920, BeijingMeanOffset, Tolerance);
    EXPECT_NEAR(FromChinaTime(day1920) - day1920, -BeijingMeanOffset, Tolerance);
    // A new moon at 20:00 universal time falls on the next day in China.
    EXPECT_EQ(std::floor(ToChinaTime(day1950 + 20.0 / 24.0)), CalendarToDateTime(1950, 3, 19));
    // Each direction takes the offset of its own argument's year.
    const TDateTime standardTimeStart = CalendarToDateTime(1929, 1, 1);
    EXPECT_NEAR(ToChinaTime(standardTimeStart - 0.1) - standardTimeStart, BeijingMeanOffset - 0.1, Tolerance);
    EXPECT_NEAR(ToChinaTime(standardTimeStart) - standardTimeStart, StandardOffset, Tolerance);
    EXPECT_NEAR(FromChinaTime(standardTimeStart + 0.1) - standardTimeStart, 0.1 - StandardOffset, Tolerance);
    EXPECT_NEAR(FromChinaTime(standardTimeStart - 0.1) - standardTimeStart, -0.1 - BeijingMeanOffset, Tolerance);
}

TEST(ChineseCalendar, DaySearchesReturnTheChinaDayOfTheEvent)
{
    // Across 1890..1910 as well: before 1900 the linear scale is negative and the day of an
    // instant is its floor (truncation put every event of the 19th century a day late).
    for (TDateTime d = CalendarToDateTime(1890, 1, 1); d < CalendarToDateTime(1910, 1, 1); d += 37) {
        const TDateTime newMoon = ToChinaTime(PhaseAfter(mpNew, FromChinaTime(d)));
        const TDateTime day = ChinaDayOfNewMoonAfter(d);
        ASSERT_LE(day, newMoon) << d;
        ASSERT_GT(day + 1, newMoon) << d;
        ASSERT_EQ(day, std::round(day)) << d;
        // The new moon's own day is found again; before it lies the month before.
        ASSERT_EQ(ChinaDayOfNewMoonAfter(day), day) << d;
        const TDateTime before = ChinaDayOfNewMoonBefore(day);
        ASSERT_GT(day - before, 28) << d;
        ASSERT_LT(day - before, 31) << d;

        const TDateTime term = ToChinaTime(PrincipalTermAfter(FromChinaTime(d)));
        const TDateTime termDay = ChinaDayOfTermAfter(d);
        ASSERT_LE(termDay, term) << d;
        ASSERT_GT(termDay + 1, term) << d;
        ASSERT_LT(ChinaDayOfTermBefore(termDay), termDay) << d;
    }
}

TEST(ChineseCalendar, NineteenthCenturyNewYears)
{
    EXPECT_EQ(ChineseNewYearOf(1899), CalendarToDateTime(1899, 2, 10));
    EXPECT_EQ(ChineseNewYearOf(1900), CalendarToDateTime(1900, 1, 31));
    EXPECT_EQ(ChineseNewYearOf(1894), CalendarToDateTime(1894, 2, 6));
}

TEST(ChineseCalendar, LeapMonthBetweenLooksBackToTheLowerMonth)
{
    const TDateTime leapMonth = CalendarToDateTime(2023, 3, 22);
    const TDateTime month1 = CalendarToDateTime(2023, 1, 22);
    const TDateTime month3 = CalendarToDateTime(2023, 4, 20);
    EXPECT_TRUE(MonthLacksPrincipalTerm(leapMonth));
    EXPECT_FALSE(MonthLacksPrincipalTerm(month1));
    EXPECT_FALSE(MonthLacksPrincipalTerm(month3));
    EXPECT_TRUE(LeapMonthBetween(month1, month3));
    EXPECT_TRUE(LeapMonthBetween(month1, leapMonth));
    EXPECT_FALSE(LeapMonthBetween(month3, month3));
    EXPECT_FALSE(LeapMonthBetween(month1, ChinaDayOfNewMoonBefore(leapMonth)));
}

}  // namespace
}  // namespace astro
