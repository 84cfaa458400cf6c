#include "astro/calendar.h"

#include <cmath>
#include <cstdint>

#include "astro/errors.h"

namespace astro {
namespace {

enum class TCalendar { Julian, Gregorian };

bool IsLeapYear(int year, TCalendar calendar)
{
    if (calendar == TCalendar::Julian)
        return year % 4 == 0;
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Month 3..14 counts from March, so that February (14) is the last month of the year.
int DaysInFoldedMonth(int foldedMonth, int yearOfDate, TCalendar calendar)
{
    switch (foldedMonth) {
    case 4:
    case 6:
    case 9:
    case 11: return 30;
    case 14: return IsLeapYear(yearOfDate, calendar) ? 29 : 28;
    default: return 31;
    }
}

double CalendarDayToJD(int year, int month, int day, TCalendar calendar)
{
    if (year < 1 || year > 9999)
        throw EConvertError("Invalid year");
    if (month < 0)
        throw EConvertError("Invalid month");
    // The leap rule must see the year the February belongs to: the given year for months
    // 1 and 2, the following one for month 14.
    int yearOfDate = month > 12 ? year + 1 : year;
    if (month < 3) {
        month += 12;
        year -= 1;
    }
    if (month > 14)
        throw EConvertError("Invalid month");
    if (day < 1 || day > DaysInFoldedMonth(month, yearOfDate, calendar))
        throw EConvertError("Invalid day");

    std::int64_t days =
        static_cast<std::int64_t>(365.25 * (year + 4716)) + static_cast<std::int64_t>(30.6001 * (month + 1)) + day;
    if (calendar == TCalendar::Gregorian) {
        const int centuries = year / 100;
        days += 2 - centuries + centuries / 4;
    }
    return static_cast<double>(days) - 1524.5;
}

// Past 9999-12-31 of both calendars (JD 5373556.5 in the Julian one) yet far below the
// range where the 32-bit integer arithmetic would overflow; the year test rejects the rest.
constexpr double MaxConvertibleJD = 5400000.0;

TCalendarDate JDToCalendarDay(double jd, TCalendar calendar)
{
    if (jd < 0.0)
        throw EConvertError("Negative julian dates not supported");
    if (!(jd <= MaxConvertibleJD))
        throw EConvertError("Invalid year");

    const std::int32_t z = static_cast<std::int32_t>(jd + 0.5);
    std::int32_t b = z + 1524;
    if (calendar == TCalendar::Gregorian) {
        const std::int32_t alpha = static_cast<std::int32_t>((z - 1867216.25) / 36524.25);
        b = z + 1 + alpha - alpha / 4 + 1524;
    }
    const std::int32_t c = static_cast<std::int32_t>((b - 122.1) / 365.25);
    const std::int32_t dd = static_cast<std::int32_t>(365.25 * c);
    const std::int32_t e = static_cast<std::int32_t>((b - dd) / 30.6001);

    const std::int32_t day = b - dd - static_cast<std::int32_t>(30.6001 * e);
    std::int32_t year = c - 4716;
    std::int32_t month = e - 1;
    if (e >= 14) {
        month = e - 13;
        year += 1;
    }
    if (year < 1 || year > 9999)
        throw EConvertError("Invalid year");
    return {static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(month), static_cast<std::uint16_t>(day)};
}

}  // namespace

double JulianCalendarToJD(int year, int month, int day) { return CalendarDayToJD(year, month, day, TCalendar::Julian); }

double GregorianCalendarToJD(int year, int month, int day)
{
    return CalendarDayToJD(year, month, day, TCalendar::Gregorian);
}

double CalendarToJD(int year, int month, int day, double switchJD)
{
    const double julian = JulianCalendarToJD(year, month, day);
    if (julian < switchJD)
        return julian;
    const double gregorian = GregorianCalendarToJD(year, month, day);
    if (gregorian < switchJD)
        throw EConvertError("Date invalid due to calendar change");
    return gregorian;
}

TCalendarDate JDToJulianCalendar(double jd) { return JDToCalendarDay(jd, TCalendar::Julian); }

TCalendarDate JDToGregorianCalendar(double jd) { return JDToCalendarDay(jd, TCalendar::Gregorian); }

TCalendarDate JDToCalendar(double jd, double switchJD)
{
    if (jd < 0.0)
        throw EConvertError("Negative julian dates not supported");
    return JDToCalendarDay(jd, jd < switchJD ? TCalendar::Julian : TCalendar::Gregorian);
}

TDateTime CalendarToDateTime(int year, int month, int day) { return JulianToDateTime(CalendarToJD(year, month, day)); }

TDateTime JulianCalendarToDateTime(int year, int month, int day)
{
    return JulianToDateTime(JulianCalendarToJD(year, month, day));
}

TCalendarDate DateTimeToCalendar(TDateTime t) { return JDToCalendar(DateTimeToJulian(t)); }

TDateTime DateTimeToDisplay(TDateTime t)
{
    const TCalendarDate date = DateTimeToCalendar(t);
    const TDateTime prolepticDay = JulianToDateTime(GregorianCalendarToJD(date.Year, date.Month, date.Day));
    double r = prolepticDay + (t - std::trunc(t));
    // The formatter reads a negative value's fraction by its magnitude, counted from the
    // day given by the integer part toward zero.
    const double fraction = r - std::trunc(r);
    if (r < 0.0 && fraction != 0.0)
        r = std::trunc(r) - (1.0 - std::fabs(fraction));
    return r;
}

}  // namespace astro
