#pragma once
// Julian dates and the historical calendar: Julian up to 1582-10-04, Gregorian from
// 1582-10-15 on; the ten days between do not exist. Years run from 1 to 9999 AD.

#include <cstdint>

#include "astro/constants.h"
#include "astro/types.h"

namespace astro {

// A calendar date: year 1..9999, month 1..12, day 1..31.
struct TCalendarDate {
    std::uint16_t Year;
    std::uint16_t Month;
    std::uint16_t Day;

    friend bool operator==(const TCalendarDate&, const TCalendarDate&) = default;
};

// Returns the Julian date of the instant t (TDateTime, linear scale): t + 2415018.5.
constexpr double DateTimeToJulian(TDateTime t) { return t + JulianDateOffset; }

// Returns the TDateTime of the Julian date jd: jd - 2415018.5.
constexpr TDateTime JulianToDateTime(double jd) { return jd - JulianDateOffset; }

// Returns the JD of 0h of year-month-day read in the Julian (resp. Gregorian) calendar.
// Month 0 is December of the year before, months 13 and 14 are January and February of
// the year after; February has 29 days in the leap years of the calendar concerned.
// Failure: EConvertError "Invalid year" (year < 1 or > 9999), "Invalid month" (month < 0
// or > 14), "Invalid day" (day outside its month).
// Reference: Meeus, Astronomical Algorithms, 2nd ed., chapter 7.
// Checked: every day of 0001..9999 against the inverse conversion.
double JulianCalendarToJD(int year, int month, int day);
double GregorianCalendarToJD(int year, int month, int day);

// Returns the JD of 0h of year-month-day in the historical calendar that switches from the
// Julian to the Gregorian calendar at the Julian date switchJD (default 1582-10-15).
// Failure: as JulianCalendarToJD, and "Date invalid due to calendar change" for a date that
// falls into the gap of the switch (1582-10-05..1582-10-14).
double CalendarToJD(int year, int month, int day, double switchJD = GregorianSwitchJD);

// Return the calendar date of the day that contains the Julian date jd (the time of day is
// dropped), in the Julian resp. the Gregorian calendar.
// Failure: EConvertError "Negative julian dates not supported" for jd < 0; "Invalid year"
// when the date falls before 0001-01-01 or after 9999-12-31 of that calendar.
// Reference: Meeus, Astronomical Algorithms, 2nd ed., chapter 7.
TCalendarDate JDToJulianCalendar(double jd);
TCalendarDate JDToGregorianCalendar(double jd);

// Returns the calendar date of jd in the historical calendar with its switch at switchJD.
// Failure: as JDToJulianCalendar.
TCalendarDate JDToCalendar(double jd, double switchJD = GregorianSwitchJD);

// Returns 0h of year-month-day (historical calendar) as a TDateTime. Failure: as CalendarToJD.
TDateTime CalendarToDateTime(int year, int month, int day);

// Returns 0h of year-month-day (Julian calendar) as a TDateTime. Failure: as JulianCalendarToJD.
TDateTime JulianCalendarToDateTime(int year, int month, int day);

// Returns the historical-calendar date of the instant t. Failure: as JDToCalendar.
TCalendarDate DateTimeToCalendar(TDateTime t);

// Returns t in the form a proleptic-Gregorian date formatter (which reads a negative value's
// integer part as the day and the magnitude of its fraction as the time of day) shows as the
// historical-calendar date and the correct time of t. For t >= 0 after 1582 it returns t.
// Example: -0.75 (1899-12-29 06:00) gives -1.25.
// Failure: EConvertError as DateTimeToCalendar, and "Invalid day" for a Julian-calendar
// 29 February that the Gregorian calendar does not have (1500, 1400, ...).
TDateTime DateTimeToDisplay(TDateTime t);

}  // namespace astro
