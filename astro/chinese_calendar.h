#pragma once
// The astronomical Chinese lunisolar calendar: a month begins on the day (in China) of a new
// moon, the December solstice falls in month 11, and in a span of 13 months from one month 11
// to the next the first month without a principal solar term is the leap month.
//
// A "China day" is the TDateTime of 0h of a civil day in China time, a whole number. The new
// moons and solar terms are taken in universal time (phases.h, seasons.h) and moved to China
// time by ToChinaTime, so that an event shortly before midnight in China falls on its own day.

#include "astro/types.h"

#include <cstdint>

namespace astro {

// A date of the Chinese calendar.
struct TChineseDate {
    std::int32_t YearCount;    // Gregorian year + 2637 from month 1 to month 10, + 2636 in
                               // months 11 and 12 before 1 July
    std::int32_t YearInCycle;  // position in the 60-year cycle, 1..60
    std::int32_t Month;        // 1..12; a leap month carries the number of the month before it
    bool IsLeapMonth;          // the month is the leap month
    bool IsLeapYear;           // the span from one month 11 to the next has 13 months
    std::int32_t Day;          // day of the month, 1..30
    std::uint8_t YearBranch;   // earthly branch, 0 = Rat .. 11 = Pig
};

// China time from universal time t: t + 8 h from 1929 on, t + 7 h 45 min 40 s (the mean time
// of Beijing) before; the rule goes by the calendar year of t itself.
// Failure (both): E_OutOfAlgorithmRange outside FirstAlgorithmInstant..LastAlgorithmInstant
// (instantrange.h), NaN and infinities included.
TDateTime ToChinaTime(TDateTime t);

// Universal time from China time t: the offset of ToChinaTime subtracted, chosen by the
// calendar year of t.
TDateTime FromChinaTime(TDateTime t);

// China day of the last new moon before the start of China day d (so for a new-moon day the
// new moon one month earlier, unless that new moon falls exactly at 0h).
// Failure: as PhaseBefore (phases.h) and the calendar (EConvertError outside 1..9999).
TDateTime ChinaDayOfNewMoonBefore(TDateTime d);

// China day of the first new moon at or after the start of China day d (d itself for a
// new-moon day).
TDateTime ChinaDayOfNewMoonAfter(TDateTime d);

// China day of the first principal solar term at or after the start of China day d.
// Failure: as PrincipalTermAfter (seasons.h).
TDateTime ChinaDayOfTermAfter(TDateTime d);

// China day of the last principal solar term before the start of China day d.
// Failure: as PrincipalTermBefore (seasons.h).
TDateTime ChinaDayOfTermBefore(TDateTime d);

// True when no principal term falls in the month that starts on China day m (from m up to
// the start of the next month).
bool MonthLacksPrincipalTerm(TDateTime m);

// True when a month without a principal term starts on one of the month-start days from
// upper back to the first month start not later than lower (both China days of new moons).
// Failure: E_OutOfAlgorithmRange "Out of range of the algorithm" when upper lies more than
// two years after lower, or either is not an instant of the algorithms' span.
bool LeapMonthBetween(TDateTime lower, TDateTime upper);

// Returns: China day of the first day of the Chinese year that begins in the Gregorian year
//          (between 21 January and 20 February).
// Failure: EConvertError "Invalid year" for a year outside 1..9999 or one whose solstices or
//          new moons leave it.
// Reference: E. M. Reingold, N. Dershowitz, Calendrical Calculations, 3rd ed., the Chinese
//          calendar (the astronomical rules of 1645, with the time zone of 1929).
// Checked: published New Year dates 1894, 1899, 1900, 2020..2030; every year 1901..2100
//          lies between 21 January and 20 February and is month 1, day 1 of ChineseDateOf.
TDateTime ChineseNewYearOf(int year);

// Returns: the Chinese date of China day d (the day containing d).
// Failure: as ChineseNewYearOf.
// Checked: published month starts and leap months 2014..2025 (leap months 9, 6, 4, 2, 6);
//          every month 2000..2040 numbered in order, 15 leap months (2033: leap month 11).
TChineseDate ChineseDateOf(TDateTime d);

}  // namespace astro
