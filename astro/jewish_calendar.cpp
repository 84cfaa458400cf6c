#include "astro/jewish_calendar.h"

#include "astro/errors.h"

#include <cmath>
#include <cstdint>

namespace astro {

namespace {

// Time of the molad in halakim ("parts"): 1080 parts to the hour, hours counted from 6 pm.
constexpr std::int64_t PartsPerHour = 1080;
constexpr std::int64_t PartsPerDay = 24 * PartsPerHour;
// The mean lunation: 29 days 12 hours 793 parts.
constexpr std::int64_t LunationParts = 29 * PartsPerDay + 12 * PartsPerHour + 793;
// Molad BaHaRaD, the molad of Tishri of year 1: day 2 (Monday) 5 hours 204 parts, counted from
// the start of the Sunday (6 pm Saturday) that opens the week of the era.
constexpr std::int64_t EraMoladParts = 1 * PartsPerDay + 5 * PartsPerHour + 204;
// That Sunday as a TDateTime: the day count of the molad is a civil day count from here.
constexpr std::int64_t EraSundayDay = -2067022;

constexpr int Sunday = 0;
constexpr int Monday = 1;
constexpr int Tuesday = 2;
constexpr int Wednesday = 3;
constexpr int Friday = 5;

struct TJewishMonthInfo {
    const char* Name;
    std::int32_t Days;  // in a regular year; Heshvan and Kislev change with the year's length
};

constexpr TJewishMonthInfo CommonYearMonths[] = {
    {"Tishri", 30}, {"Heshvan", 29}, {"Kislev", 30}, {"Tevet", 29},  {"Shevat", 30}, {"Adar", 29},
    {"Nisan", 30},  {"Iyar", 29},    {"Sivan", 30},  {"Tammuz", 29}, {"Av", 30},     {"Elul", 29},
};

constexpr TJewishMonthInfo LeapYearMonths[] = {
    {"Tishri", 30}, {"Heshvan", 29}, {"Kislev", 30}, {"Tevet", 29},  {"Shevat", 30}, {"Adar I", 30}, {"Adar II", 29},
    {"Nisan", 30},  {"Iyar", 29},    {"Sivan", 30},  {"Tammuz", 29}, {"Av", 30},     {"Elul", 29},
};

constexpr std::int32_t HeshvanMonth = 2;
constexpr std::int32_t KislevMonth = 3;

void CheckYear(std::int32_t year)
{
    if (year < FirstJewishYear || year > LastJewishYear)
        throw EConvertError("Invalid year");
}

const TJewishMonthInfo& MonthInfo(std::int32_t year, std::int32_t month)
{
    if (month < 1 || month > JewishMonthsInYear(year))
        throw EConvertError("Invalid month");
    return IsJewishLeapYear(year) ? LeapYearMonths[month - 1] : CommonYearMonths[month - 1];
}

// Day of 1 Tishri counted from EraSundayDay, for any year >= 1 (no range check, so that the
// length of LastJewishYear can look at the year after it).
std::int64_t NewYearDayCount(std::int32_t year)
{
    const std::int64_t monthsBefore = (235 * static_cast<std::int64_t>(year) - 234) / 19;
    const std::int64_t molad = EraMoladParts + monthsBefore * LunationParts;
    std::int64_t day = molad / PartsPerDay;
    const std::int64_t parts = molad % PartsPerDay;
    const int weekday = static_cast<int>(day % 7);

    // Molad zaken: a molad at or after noon moves the new year to the next day. GaTaRaD and
    // BeTUTaKPaT move it by one day where keeping it would make the common year too long or
    // the previous leap year too short; lo ADU then moves the Wednesday to Thursday.
    const bool moladZaken = parts >= 18 * PartsPerHour;
    const bool gatarad = weekday == Tuesday && parts >= 9 * PartsPerHour + 204 && !IsJewishLeapYear(year);
    const bool betutakpat = weekday == Monday && parts >= 15 * PartsPerHour + 589 && IsJewishLeapYear(year - 1);
    if (moladZaken || gatarad || betutakpat)
        ++day;

    // Lo ADU rosh: the new year never falls on Sunday, Wednesday or Friday.
    const int newYearWeekday = static_cast<int>(day % 7);
    if (newYearWeekday == Sunday || newYearWeekday == Wednesday || newYearWeekday == Friday)
        ++day;
    return day;
}

std::int32_t YearLengthUnchecked(std::int32_t year)
{
    return static_cast<std::int32_t>(NewYearDayCount(year + 1) - NewYearDayCount(year));
}

std::int32_t DaysInMonthUnchecked(std::int32_t year, std::int32_t month)
{
    const std::int32_t length = YearLengthUnchecked(year);
    // A complete year (355, 385) has a 30-day Heshvan, a deficient one (353, 383) a 29-day Kislev.
    if (month == HeshvanMonth && length % 10 == 5)
        return 30;
    if (month == KislevMonth && length % 10 == 3)
        return 29;
    return MonthInfo(year, month).Days;
}

}  // namespace

bool IsJewishLeapYear(std::int32_t year) { return (7 * static_cast<std::int64_t>(year) + 1) % 19 < 7; }

std::int32_t JewishMonthsInYear(std::int32_t year) { return IsJewishLeapYear(year) ? 13 : 12; }

TDateTime JewishNewYear(std::int32_t year)
{
    CheckYear(year);
    return static_cast<TDateTime>(EraSundayDay + NewYearDayCount(year));
}

std::int32_t JewishYearLength(std::int32_t year)
{
    CheckYear(year);
    return YearLengthUnchecked(year);
}

std::int32_t JewishDaysInMonth(std::int32_t year, std::int32_t month)
{
    CheckYear(year);
    return DaysInMonthUnchecked(year, month);
}

const char* JewishMonthName(std::int32_t year, std::int32_t month) { return MonthInfo(year, month).Name; }

TDateTime JewishToDateTime(std::int32_t year, std::int32_t month, std::int32_t day)
{
    CheckYear(year);
    const std::int32_t monthDays = DaysInMonthUnchecked(year, month);
    if (day < 1 || day > monthDays)
        throw EConvertError("Invalid day");
    std::int64_t count = NewYearDayCount(year) + day - 1;
    for (std::int32_t m = 1; m < month; ++m)
        count += DaysInMonthUnchecked(year, m);
    return static_cast<TDateTime>(EraSundayDay + count);
}

TJewishDate DateTimeToJewish(TDateTime t)
{
    const double civilDay = std::floor(t) - static_cast<double>(EraSundayDay);
    const std::int64_t first = NewYearDayCount(FirstJewishYear);
    const std::int64_t end = NewYearDayCount(LastJewishYear + 1);
    // Written so that a NaN fails the test as well.
    if (!(civilDay >= static_cast<double>(first) && civilDay < static_cast<double>(end))) {
        throw EConvertError("Invalid year");
    }
    const auto day = static_cast<std::int64_t>(civilDay);

    // The mean year of the 19-year cycle puts the estimate within a year of the answer.
    constexpr double MeanYearDays = 235.0 * LunationParts / PartsPerDay / 19.0;
    auto year = static_cast<std::int32_t>(static_cast<double>(day - first) / MeanYearDays) + 1;
    while (year < LastJewishYear && NewYearDayCount(year + 1) <= day)
        ++year;
    while (year > FirstJewishYear && NewYearDayCount(year) > day)
        --year;

    std::int64_t dayOfYear = day - NewYearDayCount(year);
    std::int32_t month = 1;
    for (std::int32_t length = DaysInMonthUnchecked(year, month); dayOfYear >= length;
         length = DaysInMonthUnchecked(year, month)) {
        dayOfYear -= length;
        ++month;
    }
    return {year, month, static_cast<std::int32_t>(dayOfYear) + 1};
}

TJewishDate CalendarToJewish(int year, int month, int day)
{
    return DateTimeToJewish(CalendarToDateTime(year, month, day));
}

TCalendarDate JewishToCalendar(std::int32_t year, std::int32_t month, std::int32_t day)
{
    return DateTimeToCalendar(JewishToDateTime(year, month, day));
}

}  // namespace astro
