#pragma once
// Dates of Easter Sunday and of the first day of Passover.

#include "astro/types.h"

#include <cstdint>

namespace astro {

// Easter Sunday of a Gregorian year by Gauss's algorithm.
// Returns: 0h of Easter Sunday, linear scale.
// year:    1583..2399 (the span of Gauss's century table).
// Failure: E_OutOfAlgorithmRange "Out of range of the algorithm" outside that span.
// Reference: C. F. Gauss (1800, corrected 1816); Meeus, Astronomical Algorithms, 2nd ed., ch. 8.
// Checked: every year 1583..2399 against the anonymous Gregorian computus; no difference.
TDateTime EasterGregorian(std::int32_t year);

// Easter Sunday of the Julian calendar (the Orthodox date), read as a Julian-calendar date
// without the switch of 1582, so that it keeps its meaning after 1582 (2024 gives 22 April
// Julian = 5 May Gregorian).
// Returns: 0h of Easter Sunday, linear scale.
// year:    1..9999.
// Failure: EConvertError "Invalid year" below 1 or above 9999.
// Reference: Meeus, Astronomical Algorithms, 2nd ed., ch. 8 (Julian computus).
// Checked: Orthodox Easter 1583, 1584, 2023..2025; every year 1..9999 is a Sunday between
//          22 March and 25 April (Julian).
TDateTime EasterJulian(std::int32_t year);

// Easter Sunday as the churches of the West kept it: Julian up to 1582, Gregorian after.
// Returns: 0h of Easter Sunday, linear scale.
// Failure: as EasterGregorian (after 1582) or EasterJulian (up to 1582).
TDateTime EasterDate(std::int32_t year);

// First day of Passover (15 Nisan) by Gauss's Passover formula, read in the historical
// calendar (Julian up to 1582, Gregorian after).
// Returns: 0h of the civil day of 15 Nisan (the feast begins at sunset the evening before);
//          from 3430 on the calendar's drift carries some of these days into May.
// year:    359 (the fixed Hebrew calendar) .. 9999.
// Failure: E_OutOfAlgorithmRange "Out of range of the algorithm" before 359, EConvertError
//          "Invalid year" after 9999.
// Reference: C. F. Gauss, "Berechnung des juedischen Osterfestes" (1802).
// Checked: 359..9999 against 15 Nisan of the arithmetic Hebrew calendar (jewish_calendar.h).
TDateTime PassoverDate(std::int32_t year);

}  // namespace astro
