#pragma once
// The fixed arithmetic Hebrew calendar: the molad of Tishri and the four postponements give
// each year's 1 Tishri; the year's length then fixes the lengths of Heshvan and Kislev.
//
// Months are numbered in the order of the year, from Tishri = 1:
//   common year (12 months): 1 Tishri, 2 Heshvan, 3 Kislev, 4 Tevet, 5 Shevat, 6 Adar,
//                            7 Nisan, 8 Iyar, 9 Sivan, 10 Tammuz, 11 Av, 12 Elul;
//   leap year (13 months):   1..5 as above, 6 Adar I, 7 Adar II, 8 Nisan, ... 13 Elul.
// So a month number after Shevat names a different month in a leap year; JewishMonthName
// gives the name that belongs to a (year, month) pair.
//
// A Jewish day begins at the sunset before the civil day it is paired with here: the
// conversions pair each Jewish date with the civil day on which its daylight falls.

#include "astro/calendar.h"
#include "astro/types.h"

#include <cstdint>

namespace astro {

// A date of the Hebrew calendar: year (anno mundi), month (numbered as above), day 1..30.
struct TJewishDate {
    std::int32_t Year;
    std::int32_t Month;
    std::int32_t Day;
    friend bool operator==(const TJewishDate&, const TJewishDate&) = default;
};

// The Jewish years the conversions accept: from the first year of the era to the year that
// begins in 9999, the last year of the library's calendar.
inline constexpr std::int32_t FirstJewishYear = 1;
inline constexpr std::int32_t LastJewishYear = 13760;

// True for the 7 leap years (13 months) of each 19-year cycle: 3, 6, 8, 11, 14, 17, 19.
bool IsJewishLeapYear(std::int32_t year);

// Number of months of the year: 12, or 13 in a leap year.
std::int32_t JewishMonthsInYear(std::int32_t year);

// Returns: 0h of the civil day of 1 Tishri of year, linear scale.
// year:    FirstJewishYear..LastJewishYear.
// Failure: EConvertError "Invalid year" outside that span.
// Reference: E. M. Reingold, N. Dershowitz, Calendrical Calculations, 3rd ed., the Hebrew
//          calendar (molad of Tishri; postponements molad zaken, lo ADU rosh, GaTaRaD,
//          BeTUTaKPaT).
// Checked: 1 Tishri 5784..5786 (2023-09-16, 2024-10-03, 2025-09-23); every year 4119..13759
//          against Gauss's Passover formula (feasts.h); year lengths 353..355 or 383..385.
TDateTime JewishNewYear(std::int32_t year);

// Number of days of the year: 353, 354, 355 (common) or 383, 384, 385 (leap).
// Failure: as JewishNewYear.
std::int32_t JewishYearLength(std::int32_t year);

// Number of days (29 or 30) of the month of the year.
// Failure: EConvertError "Invalid year" as JewishNewYear, "Invalid month" for a month
//          outside 1..JewishMonthsInYear(year).
std::int32_t JewishDaysInMonth(std::int32_t year, std::int32_t month);

// English name of the month of the year: "Tishri", "Heshvan", "Kislev", "Tevet", "Shevat",
// "Adar" (common year) or "Adar I" and "Adar II" (leap year), "Nisan", "Iyar", "Sivan",
// "Tammuz", "Av", "Elul".
// Failure: EConvertError "Invalid month" for a month outside 1..JewishMonthsInYear(year).
const char* JewishMonthName(std::int32_t year, std::int32_t month);

// Returns: 0h of the civil day of the Jewish date, linear scale.
// Failure: EConvertError "Invalid year", "Invalid month" or "Invalid day" (a day outside
//          1..JewishDaysInMonth) for a date the calendar does not have.
TDateTime JewishToDateTime(std::int32_t year, std::int32_t month, std::int32_t day);

// Returns: the Jewish date of the civil day that contains the instant t (linear scale; the
//          day is the floor of t, so -0.75 lies on 1899-12-29).
// Failure: EConvertError "Invalid year" for a day before 1 Tishri 1 or after the end of
//          LastJewishYear.
// Checked: round trip with JewishToDateTime for every day of 1..9999 CE.
TJewishDate DateTimeToJewish(TDateTime t);

// Jewish date of a date of the historical calendar (Julian up to 1582-10-04, Gregorian from
// 1582-10-15).
// Failure: EConvertError from CalendarToDateTime for a date the calendar does not have.
TJewishDate CalendarToJewish(int year, int month, int day);

// Historical-calendar date of a Jewish date.
// Failure: EConvertError as JewishToDateTime, and from DateTimeToCalendar when the day falls
//          outside 0001-01-01..9999-12-31.
TCalendarDate JewishToCalendar(std::int32_t year, std::int32_t month, std::int32_t day);

}  // namespace astro
