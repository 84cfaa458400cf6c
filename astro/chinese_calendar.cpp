#include "astro/chinese_calendar.h"

#include "astro/angles.h"
#include "astro/calendar.h"
#include "astro/errors.h"
#include "astro/instantrange.h"
#include "astro/phases.h"
#include "astro/seasons.h"

#include <cmath>

namespace astro {

namespace {

// 1929-01-01, from which China keeps the standard time of 120 degrees east.
constexpr TDateTime StandardTimeStartDay = 10594;
constexpr double StandardTimeOffsetDays = 8.0 / 24.0;
// 7 h 45 min 40 s, the mean solar time of Beijing (116 deg 25 min east).
constexpr double BeijingMeanTimeOffsetDays = 0.3233796296296296;

double ChinaOffsetDays(TDateTime t)
{
    return t >= StandardTimeStartDay ? StandardTimeOffsetDays : BeijingMeanTimeOffsetDays;
}

// The civil day that contains the instant. The linear scale runs on through 1899-12-30, so
// the day of a negative instant is its floor: truncating would move every event before 1900
// to the following day.
TDateTime ChinaDayOf(TDateTime chinaTime) { return std::floor(chinaTime); }

// LeapMonthBetween looks at most this far back (days): two years, more than the 13 months
// between two months 11 that the calendar needs.
constexpr double LeapMonthSearchDays = 2.0 * 366.0;

// Number of mean lunations between two month-start days, to the nearest (ties to even).
int LunationsBetween(TDateTime from, TDateTime to)
{
    return static_cast<int>(std::nearbyint((to - from) / SynodicMonth));
}

}  // namespace

TDateTime ToChinaTime(TDateTime t) { return CheckedInstant(t) + ChinaOffsetDays(t); }

TDateTime FromChinaTime(TDateTime t) { return CheckedInstant(t) - ChinaOffsetDays(t); }

TDateTime ChinaDayOfNewMoonBefore(TDateTime d) { return ChinaDayOf(ToChinaTime(PhaseBefore(mpNew, FromChinaTime(d)))); }

TDateTime ChinaDayOfNewMoonAfter(TDateTime d) { return ChinaDayOf(ToChinaTime(PhaseAfter(mpNew, FromChinaTime(d)))); }

TDateTime ChinaDayOfTermAfter(TDateTime d) { return ChinaDayOf(ToChinaTime(PrincipalTermAfter(FromChinaTime(d)))); }

TDateTime ChinaDayOfTermBefore(TDateTime d) { return ChinaDayOf(ToChinaTime(PrincipalTermBefore(FromChinaTime(d)))); }

bool MonthLacksPrincipalTerm(TDateTime m)
{
    const TDateTime nextMonth = ChinaDayOfNewMoonAfter(m + 2);
    return ChinaDayOfTermBefore(m) == ChinaDayOfTermBefore(nextMonth);
}

bool LeapMonthBetween(TDateTime lower, TDateTime upper)
{
    if (!(CheckedInstant(upper) - CheckedInstant(lower) <= LeapMonthSearchDays))
        throw E_OutOfAlgorithmRange("Out of range of the algorithm");
    // Walks back month by month from upper; the month that starts on or before lower is the
    // last one tested.
    for (TDateTime month = upper;; month = ChinaDayOfNewMoonBefore(month - 1)) {
        if (MonthLacksPrincipalTerm(month))
            return true;
        if (month <= lower)
            return false;
    }
}

TDateTime ChineseNewYearOf(int year)
{
    if (year < 1 || year > 9999)
        throw EConvertError("Invalid year");
    // The first principal term after 15 December is the December solstice.
    const TDateTime solstice = ChinaDayOfTermAfter(CalendarToDateTime(year - 1, 12, 15));
    const TDateTime nextSolstice = ChinaDayOfTermAfter(CalendarToDateTime(year, 12, 15));
    const TDateTime month12 = ChinaDayOfNewMoonAfter(solstice + 1);
    const TDateTime month1 = ChinaDayOfNewMoonAfter(month12 + 4);
    const TDateTime nextMonth11 = ChinaDayOfNewMoonBefore(nextSolstice + 1);

    // With 13 months between the two months 11, a leap month among months 12 and 1 moves
    // the New Year one month on.
    const bool thirteenMonths = LunationsBetween(month12, nextMonth11) == 12;
    if (thirteenMonths && (MonthLacksPrincipalTerm(month12) || MonthLacksPrincipalTerm(month1))) {
        return ChinaDayOfNewMoonAfter(month1 + 1);
    }
    return month1;
}

TChineseDate ChineseDateOf(TDateTime d)
{
    const int year = DateTimeToCalendar(d).Year;
    const TDateTime day = ChinaDayOf(d);

    const TDateTime solstice0 = ChinaDayOfTermAfter(CalendarToDateTime(year - 1, 12, 15));
    const TDateTime solstice1 = ChinaDayOfTermAfter(CalendarToDateTime(year, 12, 15));
    const bool beforeSolstice1 = solstice0 <= day && day < solstice1;
    const TDateTime solsticeA = beforeSolstice1 ? solstice0 : solstice1;
    const TDateTime solsticeB = beforeSolstice1 ? solstice1 : ChinaDayOfTermAfter(CalendarToDateTime(year + 1, 12, 15));

    const TDateTime month12 = ChinaDayOfNewMoonAfter(solsticeA + 1);
    const TDateTime month11 = ChinaDayOfNewMoonBefore(solsticeB + 1);
    const TDateTime start = ChinaDayOfNewMoonBefore(day + 1);

    TChineseDate result{};
    result.IsLeapYear = LunationsBetween(month12, month11) == 12;
    result.IsLeapMonth = result.IsLeapYear && MonthLacksPrincipalTerm(start) &&
                         !LeapMonthBetween(month12, ChinaDayOfNewMoonBefore(start));
    int month = LunationsBetween(month12, start);
    if (result.IsLeapYear && (result.IsLeapMonth || LeapMonthBetween(month12, start)))
        --month;
    result.Month = WrapOneBased(month, 12);
    result.Day = static_cast<int>(std::nearbyint(day - start + 1));

    const bool yearBegun = result.Month <= 10 || day > CalendarToDateTime(year, 7, 1);
    result.YearCount = year + 2636 + (yearBegun ? 1 : 0);
    result.YearInCycle = WrapOneBased(result.YearCount, 60);
    result.YearBranch = static_cast<std::uint8_t>((result.YearInCycle - 1) % 12);
    return result;
}

}  // namespace astro
