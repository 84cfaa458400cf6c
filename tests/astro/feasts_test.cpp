#include "astro/calendar.h"
#include "astro/errors.h"
#include "astro/feasts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>

namespace astro {
namespace {

struct TFeastCase {
    std::int32_t Year;
    int Month;
    int Day;
};

// Day of the week with 0 = Sunday; TDateTime 1 is Sunday 1899-12-31.
int WeekdayOf(TDateTime t)
{
    const auto day = static_cast<std::int64_t>(std::floor(t)) - 1;
    return static_cast<int>(((day % 7) + 7) % 7);
}

// The anonymous Gregorian computus (Meeus, Astronomical Algorithms, ch. 8): an independent
// way to the same Easter, valid for every Gregorian year.
TCalendarDate AnonymousGregorianEaster(int y)
{
    const int a = y % 19, b = y / 100, c = y % 100, d = b / 4, e = b % 4;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3, h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4, l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int n = h + l - 7 * m + 114;
    return {static_cast<std::uint16_t>(y), static_cast<std::uint16_t>(n / 31), static_cast<std::uint16_t>(n % 31 + 1)};
}

class EasterGregorianTest : public testing::TestWithParam<TFeastCase> {};

TEST_P(EasterGregorianTest, FallsOnPublishedDate)
{
    const TFeastCase& c = GetParam();
    EXPECT_EQ(EasterGregorian(c.Year), CalendarToDateTime(c.Year, c.Month, c.Day));
    EXPECT_EQ(EasterDate(c.Year), CalendarToDateTime(c.Year, c.Month, c.Day));
}

INSTANTIATE_TEST_SUITE_P(Feasts, EasterGregorianTest,
                         testing::Values(TFeastCase{1583, 4, 10}, TFeastCase{1818, 3, 22}, TFeastCase{1886, 4, 25},
                                         TFeastCase{1943, 4, 25}, TFeastCase{1954, 4, 18},  // the 25 April exception
                                         TFeastCase{1981, 4, 19},                           // the 26 April exception
                                         TFeastCase{2000, 4, 23}, TFeastCase{2024, 3, 31}, TFeastCase{2038, 4, 25},
                                         TFeastCase{2285, 3, 22}));

TEST(FeastsEaster, GregorianAgreesWithAnonymousComputusInEveryYear)
{
    int mismatches = 0;
    for (int year = 1583; year <= 2399; ++year) {
        const TDateTime easter = EasterGregorian(year);
        const TCalendarDate expected = AnonymousGregorianEaster(year);
        if (DateTimeToCalendar(easter) != expected || WeekdayOf(easter) != 0) {
            ADD_FAILURE() << "year " << year << ": wanted " << expected.Month << "-" << expected.Day;
            ++mismatches;
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(FeastsEaster, JulianIsASundayBetween22MarchAnd25AprilJulian)
{
    for (int year = 1; year <= 9999; ++year) {
        const TDateTime easter = EasterJulian(year);
        const TCalendarDate date = JDToJulianCalendar(DateTimeToJulian(easter));
        ASSERT_EQ(WeekdayOf(easter), 0) << year;
        ASSERT_EQ(date.Year, year);
        const int marchDay = date.Month == 3 ? date.Day : date.Day + 31;
        ASSERT_TRUE(date.Month == 3 || date.Month == 4) << year;
        ASSERT_GE(marchDay, 22) << year;
        ASSERT_LE(marchDay, 56) << year;
    }
}

TEST(FeastsEaster, JulianDateStaysJulianAfterTheReform)
{
    // 22 April Julian is 5 May Gregorian in 2024.
    EXPECT_EQ(EasterJulian(2024), CalendarToDateTime(2024, 5, 5));
    EXPECT_EQ(EasterJulian(2024), JulianCalendarToDateTime(2024, 4, 22));
    EXPECT_EQ(EasterJulian(2023), CalendarToDateTime(2023, 4, 16));
    EXPECT_EQ(EasterJulian(2025), CalendarToDateTime(2025, 4, 20));  // shared with the West
}

TEST(FeastsEaster, DateSwitchesComputusAfter1582)
{
    EXPECT_EQ(EasterDate(1582), JulianCalendarToDateTime(1582, 4, 15));
    EXPECT_EQ(EasterDate(1582), EasterJulian(1582));
    EXPECT_EQ(EasterDate(1583), CalendarToDateTime(1583, 4, 10));
    EXPECT_EQ(EasterJulian(1583), CalendarToDateTime(1583, 4, 10));  // both churches agreed
    EXPECT_EQ(EasterDate(1584), CalendarToDateTime(1584, 4, 1));
    EXPECT_EQ(EasterJulian(1584), CalendarToDateTime(1584, 4, 29));
}

TEST(FeastsEaster, YearsOutsideTheCenturyTableAreRejected)
{
    for (int year : {1582, 2400, 0, -5}) {
        try {
            EasterGregorian(year);
            ADD_FAILURE() << year << " accepted";
        } catch (const E_OutOfAlgorithmRange& e) {
            EXPECT_STREQ(e.what(), "Out of range of the algorithm");
        }
    }
    EXPECT_THROW(EasterDate(2400), E_OutOfAlgorithmRange);
}

TEST(FeastsEaster, JulianBeforeYearOneFailsInTheCalendar)
{
    try {
        EasterJulian(0);
        ADD_FAILURE() << "year 0 accepted";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "Invalid year");
    }
}

class PassoverTest : public testing::TestWithParam<TFeastCase> {};

TEST_P(PassoverTest, FallsOnPublishedDate)
{
    const TFeastCase& c = GetParam();
    EXPECT_EQ(PassoverDate(c.Year), CalendarToDateTime(c.Year, c.Month, c.Day));
}

INSTANTIATE_TEST_SUITE_P(Feasts, PassoverTest,
                         testing::Values(TFeastCase{2000, 4, 20}, TFeastCase{2019, 4, 20}, TFeastCase{2021, 3, 28},
                                         TFeastCase{2022, 4, 16}, TFeastCase{2023, 4, 6}, TFeastCase{2024, 4, 23},
                                         TFeastCase{2025, 4, 13}, TFeastCase{2026, 4, 2},
                                         // Julian-calendar years read in the Julian calendar
                                         TFeastCase{1000, 3, 23}, TFeastCase{1581, 3, 19}));

TEST(FeastsPassover, FirstYearOfTheFixedCalendarIsTheLimit)
{
    EXPECT_NO_THROW(PassoverDate(359));
    try {
        PassoverDate(358);
        ADD_FAILURE() << "358 accepted";
    } catch (const E_OutOfAlgorithmRange& e) {
        EXPECT_STREQ(e.what(), "Out of range of the algorithm");
    }
}

// Gauss's quotient Q is negative for a few early years; truncating it towards zero put
// Passover 360 on 19 March instead of 18 March (Julian).
TEST(FeastsPassover, NegativeQuotientIsSplitAtTheFloor)
{
    EXPECT_EQ(PassoverDate(360), JulianCalendarToDateTime(360, 3, 18));
    EXPECT_EQ(PassoverDate(368), JulianCalendarToDateTime(368, 3, 20));
}

// The calendar's drift carries 15 Nisan into May from 3430 on; naming it "April 31" made the
// calendar reject the date.
TEST(FeastsPassover, DriftIntoMayGivesAMayDate) { EXPECT_EQ(PassoverDate(3430), CalendarToDateTime(3430, 5, 1)); }

TEST(FeastsPassover, NeverFallsOnMondayWednesdayOrFriday)
{
    // Lo BaDU Pesach: the postponements of the new year keep 15 Nisan off these days.
    for (int year = 359; year <= 9999; ++year) {
        const int weekday = WeekdayOf(PassoverDate(year));
        ASSERT_TRUE(weekday != 1 && weekday != 3 && weekday != 5) << year;
    }
}

}  // namespace
}  // namespace astro
