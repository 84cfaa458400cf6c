#include "astro/feasts.h"

#include "astro/calendar.h"
#include "astro/errors.h"

#include <cmath>
#include <cstdint>

namespace astro {

namespace {

const char* const OutOfRangeMessage = "Out of range of the algorithm";

// Gauss's century constants of the Gregorian Easter: M shifts the epact for the solar and
// lunar corrections, N the weekday for the dropped leap days.
struct TEasterCentury {
    std::int32_t FirstYear;
    std::int32_t LastYear;
    std::int32_t M;
    std::int32_t N;
};

constexpr TEasterCentury EasterCenturies[] = {
    {1583, 1699, 22, 2}, {1700, 1799, 23, 3}, {1800, 1899, 23, 4}, {1900, 2099, 24, 5},
    {2100, 2199, 24, 6}, {2200, 2299, 25, 0}, {2300, 2399, 26, 1},
};

const TEasterCentury& EasterCenturyOf(std::int32_t year)
{
    for (const TEasterCentury& century : EasterCenturies) {
        if (year >= century.FirstYear && year <= century.LastYear)
            return century;
    }
    throw E_OutOfAlgorithmRange(OutOfRangeMessage);
}

// 0h of the k-th day counted from 1 March (32 is 1 April). Counting on the linear scale
// rather than naming April (k - 31) keeps the far-future years valid in which the Hebrew
// calendar's drift carries 15 Nisan into May (from 3430 on).
TDateTime MarchDayToDateTime(std::int32_t year, std::int64_t marchDay)
{
    return CalendarToDateTime(year, 3, 1) + static_cast<double>(marchDay - 1);
}

}  // namespace

TDateTime EasterGregorian(std::int32_t year)
{
    const TEasterCentury& century = EasterCenturyOf(year);
    const std::int32_t a = year % 19;
    const std::int32_t b = year % 4;
    const std::int32_t c = year % 7;
    const std::int32_t d = (19 * a + century.M) % 30;
    const std::int32_t e = (2 * b + 4 * c + 6 * d + century.N) % 7;

    std::int32_t month = 3;
    std::int32_t day = d + e + 22;
    if (day > 31) {
        month = 4;
        day = d + e - 9;
        // Gauss's two exceptions keep Easter on or before 25 April.
        if (day == 26)
            day = 19;
        if (day == 25 && d == 28 && e == 6 && a > 10)
            day = 18;
    }
    return CalendarToDateTime(year, month, day);
}

TDateTime EasterJulian(std::int32_t year)
{
    const std::int32_t d = (19 * (year % 19) + 15) % 30;
    const std::int32_t f = ((2 * (year % 4) + 4 * (year % 7) - d + 34) % 7) + d + 114;
    return JulianCalendarToDateTime(year, f / 31, (f % 31) + 1);
}

TDateTime EasterDate(std::int32_t year) { return year > 1582 ? EasterGregorian(year) : EasterJulian(year); }

TDateTime PassoverDate(std::int32_t year)
{
    if (year < 359)
        throw E_OutOfAlgorithmRange(OutOfRangeMessage);
    if (year > 9999)
        throw EConvertError("Invalid year");
    const std::int32_t s = year < 1583 ? 0 : (3 * (year / 100) - 5) / 4;
    const std::int32_t a = (12 * year + 12) % 19;
    const std::int32_t b = year % 4;

    const double q = 1.554241796621 * a - 1.904412361576 + 0.25 * b - 0.003177794022 * year + s;
    // Gauss splits Q into whole days and the fraction of a day towards the next. Q is negative
    // for some Julian-calendar years (a of 0 or 1); truncating towards zero there would move the
    // feast a day off the Hebrew calendar, so the split uses the floor.
    const double whole = std::floor(q);
    const std::int64_t mq = static_cast<std::int64_t>(whole);
    const double m = q - whole;
    const std::int64_t c = (mq + 3 * static_cast<std::int64_t>(year) + 5 * b + 2 - s) % 7;

    std::int64_t k = mq + 22;
    if (c == 2 || c == 4 || c == 6) {
        k = mq + 23;
    } else if (c == 1 && a > 6 && m >= 0.63287037) {
        k = mq + 24;
    } else if (c == 0 && a > 11 && m >= 0.897723765) {
        k = mq + 23;
    }
    return MarchDayToDateTime(year, k);
}

}  // namespace astro
