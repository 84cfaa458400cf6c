#include "astro/calendar.h"
#include "astro/errors.h"
#include "astro/feasts.h"
#include "astro/jewish_calendar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace astro {
namespace {

struct TJewishCase {
    TJewishDate Jewish;
    int Year;  // civil date, historical calendar
    int Month;
    int Day;
};

// Rosh Hashana, feasts and fasts as the published calendars list them (the civil day of the
// feast's daylight).
constexpr TJewishCase JewishCases[] = {
    {{5700, 1, 1}, 1939, 9, 14},  {{5760, 1, 1}, 1999, 9, 11},   {{5781, 1, 1}, 2020, 9, 19},
    {{5783, 1, 1}, 2022, 9, 26},  {{5784, 1, 1}, 2023, 9, 16},   {{5785, 1, 1}, 2024, 10, 3},
    {{5786, 1, 1}, 2025, 9, 23},  {{5785, 1, 10}, 2024, 10, 12},  // Yom Kippur
    {{5784, 3, 25}, 2023, 12, 8},                                 // Chanukah
    {{5784, 7, 14}, 2024, 3, 24},                                 // Purim, 14 Adar II
    {{5785, 6, 14}, 2025, 3, 14},                                 // Purim, 14 Adar
    {{5784, 8, 15}, 2024, 4, 23},                                 // Passover, leap year
    {{5785, 7, 15}, 2025, 4, 13},                                 // Passover, common year
};

class JewishDateTest : public testing::TestWithParam<TJewishCase> {};

TEST_P(JewishDateTest, ConvertsBothWays)
{
    const TJewishCase& c = GetParam();
    const TJewishDate& j = c.Jewish;
    EXPECT_EQ(JewishToDateTime(j.Year, j.Month, j.Day), CalendarToDateTime(c.Year, c.Month, c.Day));
    EXPECT_EQ(CalendarToJewish(c.Year, c.Month, c.Day), j);
    const TCalendarDate civil = JewishToCalendar(j.Year, j.Month, j.Day);
    EXPECT_EQ(civil.Year, c.Year);
    EXPECT_EQ(civil.Month, c.Month);
    EXPECT_EQ(civil.Day, c.Day);
}

INSTANTIATE_TEST_SUITE_P(JewishCalendar, JewishDateTest, testing::ValuesIn(JewishCases));

std::int32_t NisanOf(std::int32_t year) { return IsJewishLeapYear(year) ? 8 : 7; }

TEST(JewishCalendar, FifteenNisanIsGausssPassoverInEveryYear)
{
    int mismatches = 0;
    for (int year = 359; year <= 9999; ++year) {
        const std::int32_t jewishYear = year + 3760;
        ASSERT_STREQ(JewishMonthName(jewishYear, NisanOf(jewishYear)), "Nisan");
        const TDateTime nisan15 = JewishToDateTime(jewishYear, NisanOf(jewishYear), 15);
        if (nisan15 != PassoverDate(year)) {
            ADD_FAILURE() << year << ": Hebrew calendar " << nisan15 << ", Passover formula " << PassoverDate(year);
            ++mismatches;
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(JewishCalendar, YearsHaveTheSixLegalLengthsAndMonthsAddUp)
{
    for (std::int32_t year = FirstJewishYear; year <= LastJewishYear; ++year) {
        const std::int32_t length = JewishYearLength(year);
        const std::int32_t base = IsJewishLeapYear(year) ? 383 : 353;
        ASSERT_TRUE(length >= base && length <= base + 2) << year << ": " << length;
        std::int32_t sum = 0;
        for (std::int32_t month = 1; month <= JewishMonthsInYear(year); ++month) {
            sum += JewishDaysInMonth(year, month);
        }
        ASSERT_EQ(sum, length) << year;
        const double weekday = std::fmod(JewishNewYear(year) - 1 + 7e6, 7.0);  // 0 = Sunday
        ASSERT_TRUE(weekday != 0 && weekday != 3 && weekday != 5) << year;
    }
}

TEST(JewishCalendar, LeapYearsFollowTheNineteenYearCycle)
{
    int leapYears = 0;
    for (std::int32_t year = 5758; year < 5758 + 19; ++year) {  // 5758 opens a cycle
        const std::int32_t inCycle = (year - 1) % 19 + 1;
        const bool expected = inCycle == 3 || inCycle == 6 || inCycle == 8 || inCycle == 11 || inCycle == 14 ||
                              inCycle == 17 || inCycle == 19;
        EXPECT_EQ(IsJewishLeapYear(year), expected) << year;
        EXPECT_EQ(JewishMonthsInYear(year), expected ? 13 : 12) << year;
        leapYears += expected;
    }
    EXPECT_EQ(leapYears, 7);
}

TEST(JewishCalendar, MonthNamesFollowTheYearsLayout)
{
    const char* const leap[] = {"Tishri", "Heshvan", "Kislev", "Tevet",  "Shevat", "Adar I", "Adar II",
                                "Nisan",  "Iyar",    "Sivan",  "Tammuz", "Av",     "Elul"};
    const char* const common[] = {"Tishri", "Heshvan", "Kislev", "Tevet",  "Shevat", "Adar",
                                  "Nisan",  "Iyar",    "Sivan",  "Tammuz", "Av",     "Elul"};
    for (std::int32_t month = 1; month <= 13; ++month) {
        EXPECT_STREQ(JewishMonthName(5784, month), leap[month - 1]);
    }
    for (std::int32_t month = 1; month <= 12; ++month) {
        EXPECT_STREQ(JewishMonthName(5785, month), common[month - 1]);
    }
}

TEST(JewishCalendar, EveryDayOfTheCalendarRangeRoundTrips)
{
    const TDateTime first = CalendarToDateTime(1, 1, 1);
    const TDateTime last = CalendarToDateTime(9999, 12, 31);
    TJewishDate previous = DateTimeToJewish(first - 1);
    for (TDateTime t = first; t <= last; t += 1) {
        const TJewishDate date = DateTimeToJewish(t);
        ASSERT_EQ(JewishToDateTime(date.Year, date.Month, date.Day), t);
        // Consecutive days step by one day, or to the first day of the next month or year.
        const bool nextDay = date.Year == previous.Year && date.Month == previous.Month && date.Day == previous.Day + 1;
        const bool nextMonth = date.Year == previous.Year && date.Month == previous.Month + 1 && date.Day == 1;
        const bool nextYear = date.Year == previous.Year + 1 && date.Month == 1 && date.Day == 1;
        ASSERT_TRUE(nextDay || nextMonth || nextYear) << "at " << t;
        previous = date;
    }
}

TEST(JewishCalendar, InstantBelongsToTheDayThatContainsIt)
{
    // The linear scale: -0.75 is 06:00 on 1899-12-29.
    EXPECT_EQ(DateTimeToJewish(-0.75), DateTimeToJewish(-1.0));
    EXPECT_EQ(DateTimeToJewish(CalendarToDateTime(2024, 10, 2) + 0.99), (TJewishDate{5784, 13, 29}));
}

struct TInvalidJewishCase {
    TJewishDate Date;
    const char* Message;
};

constexpr TInvalidJewishCase InvalidCases[] = {
    {{0, 1, 1}, "Invalid year"},      {{LastJewishYear + 1, 1, 1}, "Invalid year"},
    {{5785, 13, 1}, "Invalid month"},  // a common year has 12 months
    {{5784, 0, 1}, "Invalid month"},  {{5784, 14, 1}, "Invalid month"},
    {{5784, 1, 0}, "Invalid day"},    {{5784, 1, 31}, "Invalid day"},
    {{5784, 4, 30}, "Invalid day"},  // Tevet has 29 days
    {{5784, 2, 30}, "Invalid day"},  // 5784 is deficient: 29 Heshvan and 29 Kislev
    {{5784, 3, 30}, "Invalid day"},
};

class InvalidJewishDateTest : public testing::TestWithParam<TInvalidJewishCase> {};

TEST_P(InvalidJewishDateTest, IsRejected)
{
    const TInvalidJewishCase& c = GetParam();
    try {
        JewishToDateTime(c.Date.Year, c.Date.Month, c.Date.Day);
        ADD_FAILURE() << "accepted";
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), c.Message);
    }
    EXPECT_THROW(JewishToCalendar(c.Date.Year, c.Date.Month, c.Date.Day), EConvertError);
}

INSTANTIATE_TEST_SUITE_P(JewishCalendar, InvalidJewishDateTest, testing::ValuesIn(InvalidCases));

TEST(JewishCalendar, HeshvanAndKislevFollowTheYearLength)
{
    for (std::int32_t year = 5700; year < 5800; ++year) {
        const std::int32_t kind = JewishYearLength(year) % 10;  // 3 deficient, 5 complete
        EXPECT_EQ(JewishDaysInMonth(year, 2), kind == 5 ? 30 : 29) << year;
        EXPECT_EQ(JewishDaysInMonth(year, 3), kind == 3 ? 29 : 30) << year;
    }
}

TEST(JewishCalendar, InstantsOutsideTheEraAreRejected)
{
    const TDateTime firstDay = JewishNewYear(FirstJewishYear);
    EXPECT_EQ(DateTimeToJewish(firstDay), (TJewishDate{1, 1, 1}));
    EXPECT_THROW(DateTimeToJewish(firstDay - 1), EConvertError);
    EXPECT_THROW(DateTimeToJewish(JewishNewYear(LastJewishYear) + 400), EConvertError);
    EXPECT_THROW(DateTimeToJewish(std::numeric_limits<double>::quiet_NaN()), EConvertError);
}

}  // namespace
}  // namespace astro
