#include "astro/calendar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "astro/errors.h"

namespace astro {
namespace {

// Meeus, Astronomical Algorithms, 2nd ed., chapter 7 (examples 7.a to 7.c and the table).
struct TJulianDateCase {
    int year, month;
    double day;  // with its fraction
    bool julianCalendar;
    double jd;
};

const TJulianDateCase JulianDateCases[] = {
    {1957, 10, 4.81, false, 2436116.31}, {333, 1, 27.5, true, 1842713.0},    {1600, 1, 1.0, false, 2305447.5},
    {1900, 1, 1.0, false, 2415020.5},    {1987, 6, 19.5, false, 2446966.0},  {2000, 1, 1.0, false, 2451544.5},
    {1582, 10, 4.0, true, 2299159.5},    {1582, 10, 15.0, false, 2299160.5}, {1, 1, 1.0, true, 1721423.5},
    {837, 4, 10.3, true, 2026871.8},     {1988, 1, 27.0, false, 2447187.5},  {9999, 12, 31.0, false, 5373483.5},
};

TEST(CalendarToJD, MatchesPublishedJulianDates)
{
    for (const TJulianDateCase& c : JulianDateCases) {
        const double whole = std::floor(c.day);
        const double jd = CalendarToJD(c.year, c.month, static_cast<int>(whole)) + (c.day - whole);
        EXPECT_NEAR(jd, c.jd, 1e-6) << c.year << "-" << c.month << "-" << c.day;
        const double byCalendar = c.julianCalendar ? JulianCalendarToJD(c.year, c.month, static_cast<int>(whole))
                                                   : GregorianCalendarToJD(c.year, c.month, static_cast<int>(whole));
        EXPECT_NEAR(byCalendar + (c.day - whole), c.jd, 1e-6) << c.year << "-" << c.month;
    }
}

TEST(JDToCalendar, ReturnsTheDayAndDropsItsFraction)
{
    for (const TJulianDateCase& c : JulianDateCases) {
        const TCalendarDate expected{static_cast<std::uint16_t>(c.year), static_cast<std::uint16_t>(c.month),
                                     static_cast<std::uint16_t>(c.day)};
        EXPECT_EQ(JDToCalendar(c.jd), expected) << "JD " << c.jd;
        const TCalendarDate byCalendar = c.julianCalendar ? JDToJulianCalendar(c.jd) : JDToGregorianCalendar(c.jd);
        EXPECT_EQ(byCalendar, expected) << "JD " << c.jd;
    }
    EXPECT_EQ(JDToCalendar(2299159.5), (TCalendarDate{1582, 10, 4}));
    EXPECT_EQ(JDToCalendar(2299160.5), (TCalendarDate{1582, 10, 15}));
    EXPECT_EQ(JDToCalendar(2451545.0), (TCalendarDate{2000, 1, 1}));
    EXPECT_EQ(JDToCalendar(2451545.49), (TCalendarDate{2000, 1, 1}));
    EXPECT_EQ(JDToCalendar(2451545.5), (TCalendarDate{2000, 1, 2}));
}

TEST(JDToCalendar, HonoursAnotherSwitchDate)
{
    // The British switch: 1752-09-02 (Julian) was followed by 1752-09-14 (Gregorian).
    const double britishSwitch = GregorianCalendarToJD(1752, 9, 14);
    EXPECT_EQ(JDToCalendar(britishSwitch - 1, britishSwitch), (TCalendarDate{1752, 9, 2}));
    EXPECT_EQ(JDToCalendar(britishSwitch, britishSwitch), (TCalendarDate{1752, 9, 14}));
    EXPECT_EQ(CalendarToJD(1752, 9, 2, britishSwitch), britishSwitch - 1);
    EXPECT_THROW(CalendarToJD(1752, 9, 10, britishSwitch), EConvertError);
    EXPECT_EQ(CalendarToJD(1752, 9, 10), GregorianCalendarToJD(1752, 9, 10));
}

// The days a calendar has in a month, written independently of the library.
int DaysInMonth(int year, int month, bool julianCalendar)
{
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month != 2)
        return days[month - 1];
    const bool leap = julianCalendar ? year % 4 == 0 : (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return leap ? 29 : 28;
}

// Walks every day of the historical calendar from 0001-01-01 to 9999-12-31: each date must be
// one JD after the one before, and convert back to itself.
TEST(CalendarRoundTrip, EveryDayFromYear1To9999)
{
    double expectedJD = 1721423.5;
    int failures = 0;
    long days = 0;
    for (int year = 1; year <= 9999; ++year)
        for (int month = 1; month <= 12; ++month) {
            const bool julian = year < 1582 || (year == 1582 && month <= 10);
            for (int day = 1; day <= DaysInMonth(year, month, julian); ++day) {
                if (year == 1582 && month == 10 && day > 4 && day < 15)
                    continue;
                const double jd = CalendarToJD(year, month, day);
                const TCalendarDate back = JDToCalendar(jd + 0.75);
                const bool ok = jd == expectedJD && back == TCalendarDate{static_cast<std::uint16_t>(year),
                                                                          static_cast<std::uint16_t>(month),
                                                                          static_cast<std::uint16_t>(day)};
                if (!ok && ++failures <= 5)
                    ADD_FAILURE() << year << "-" << month << "-" << day << ": JD " << jd << " expected " << expectedJD
                                  << ", back " << back.Year << "-" << back.Month << "-" << back.Day;
                expectedJD = jd + 1.0;
                ++days;
            }
        }
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(days, 3652061);  // JD 1721423.5 to 5373483.5
}

void ExpectConvertError(const std::function<void()>& conversion, const std::string& message, const std::string& what)
{
    try {
        conversion();
        ADD_FAILURE() << what << ": no exception, expected \"" << message << "\"";
    } catch (const EConvertError& error) {
        EXPECT_EQ(error.what(), message) << what;
    }
}

TEST(CalendarConversions, RejectBadInputWithItsMessage)
{
    const struct {
        int year, month, day;
        const char* message;
    } dates[] = {
        {0, 1, 1, "Invalid year"},
        {10000, 1, 1, "Invalid year"},
        {-5, 6, 1, "Invalid year"},
        {2000, 15, 1, "Invalid month"},
        {2000, -1, 1, "Invalid month"},
        {2000, 1, 0, "Invalid day"},
        {2000, 1, 32, "Invalid day"},
        {2000, 4, 31, "Invalid day"},
        {2001, 2, 29, "Invalid day"},
        {1900, 2, 29, "Invalid day"},
        {2000, 2, 30, "Invalid day"},
        {1582, 10, 5, "Date invalid due to calendar change"},
        {1582, 10, 10, "Date invalid due to calendar change"},
        {1582, 10, 14, "Date invalid due to calendar change"},
    };
    for (const auto& d : dates) {
        const std::string what = std::to_string(d.year) + "-" + std::to_string(d.month) + "-" + std::to_string(d.day);
        ExpectConvertError([&] { CalendarToJD(d.year, d.month, d.day); }, d.message, what);
        ExpectConvertError([&] { CalendarToDateTime(d.year, d.month, d.day); }, d.message, what);
    }
    ExpectConvertError([] { JulianCalendarToJD(0, 1, 1); }, "Invalid year", "Julian year 0");
    ExpectConvertError([] { GregorianCalendarToJD(2000, 16, 1); }, "Invalid month", "Gregorian month 16");
    ExpectConvertError([] { JulianCalendarToDateTime(1901, 2, 29); }, "Invalid day", "Julian 1901-02-29");

    const struct {
        double jd;
        const char* message;
    } julianDates[] = {
        {-0.5, "Negative julian dates not supported"},
        {-1e9, "Negative julian dates not supported"},
        {0.0, "Invalid year"},
        {1721423.49, "Invalid year"},
        {5373484.5, "Invalid year"},
        {1e12, "Invalid year"},
        {NAN, "Invalid year"},
    };
    for (const auto& j : julianDates) {
        const std::string what = "JD " + std::to_string(j.jd);
        ExpectConvertError([&] { JDToCalendar(j.jd); }, j.message, what);
        ExpectConvertError([&] { DateTimeToCalendar(JulianToDateTime(j.jd)); }, j.message, what);
    }
    ExpectConvertError([] { JDToJulianCalendar(-2.0); }, "Negative julian dates not supported", "Julian -2");
    ExpectConvertError([] { JDToGregorianCalendar(-2.0); }, "Negative julian dates not supported", "Gregorian -2");
    ExpectConvertError([] { JDToGregorianCalendar(1721000.5); }, "Invalid year", "Gregorian year 0");
    ExpectConvertError([] { JDToJulianCalendar(5373557.5); }, "Invalid year", "Julian year 10000");
}

TEST(CalendarToJD, LeapDaysFollowEachCalendar)
{
    EXPECT_NO_THROW(JulianCalendarToJD(1900, 2, 29));
    EXPECT_THROW(GregorianCalendarToJD(1900, 2, 29), EConvertError);
    EXPECT_NO_THROW(JulianCalendarToJD(2000, 2, 29));
    EXPECT_NO_THROW(GregorianCalendarToJD(2000, 2, 29));
    EXPECT_NO_THROW(CalendarToJD(1500, 2, 29));  // Julian before the switch
    EXPECT_EQ(JDToCalendar(CalendarToJD(1500, 2, 29)), (TCalendarDate{1500, 2, 29}));
}

TEST(CalendarToJD, FoldsMonthsZeroThirteenAndFourteen)
{
    EXPECT_EQ(CalendarToJD(2000, 0, 1), CalendarToJD(1999, 12, 1));
    EXPECT_EQ(CalendarToJD(1999, 13, 1), CalendarToJD(2000, 1, 1));
    EXPECT_EQ(CalendarToJD(1999, 14, 28), CalendarToJD(2000, 2, 28));
    EXPECT_EQ(JulianCalendarToJD(1000, 0, 31), JulianCalendarToJD(999, 12, 31));
    EXPECT_THROW(CalendarToJD(2000, 15, 1), EConvertError);
}

// Month 14 is February of the following year, so the leap rule must be that year's: reading
// it with the given year accepted 2000-14-29 as a nonexistent 2001-02-29.
TEST(CalendarToJD, MonthFourteenUsesTheLeapRuleOfTheFollowingYear)
{
    EXPECT_EQ(CalendarToJD(1999, 14, 29), CalendarToJD(2000, 2, 29));
    ExpectConvertError([] { CalendarToJD(2000, 14, 29); }, "Invalid day", "2000-14-29");
    EXPECT_EQ(JulianCalendarToJD(1899, 14, 29), JulianCalendarToJD(1900, 2, 29));
}

TEST(JulianDates, OffsetAndStartUpEpochs)
{
    EXPECT_EQ(DateTimeToJulian(0.0), 2415018.5);
    EXPECT_EQ(JulianToDateTime(2451545.0), 36526.5);
    EXPECT_EQ(DateTimeToJulian(J2000DateTime), J2000JD);
    EXPECT_EQ(Epoch2000Day, CalendarToDateTime(2000, 1, 1));
    EXPECT_EQ(Epoch1999Day, CalendarToDateTime(1999, 1, 1));
    EXPECT_EQ(LunationEpoch, CalendarToDateTime(1923, 1, 17));
    EXPECT_EQ(GregorianSwitchJD, GregorianCalendarToJD(1582, 10, 15));
    EXPECT_EQ(JulianCalendarToDateTime(1582, 10, 5), CalendarToDateTime(1582, 10, 15));
    EXPECT_EQ(DateTimeToCalendar(-0.75), (TCalendarDate{1899, 12, 29}));
    EXPECT_EQ(DateTimeToCalendar(-1.25), (TCalendarDate{1899, 12, 28}));
}

// How a proleptic-Gregorian date formatter reads a TDateTime: the integer part (toward zero)
// is the day, the magnitude of the fraction the time of day.
struct TShown {
    TCalendarDate date;
    double dayFraction;
};

TShown ShownByFormatter(TDateTime value)
{
    const double day = std::trunc(value);
    return {JDToGregorianCalendar(DateTimeToJulian(day)), std::fabs(value - day)};
}

TEST(DateTimeToDisplay, ShowsTheHistoricalDateAndTime)
{
    EXPECT_DOUBLE_EQ(DateTimeToDisplay(-0.75), -1.25);
    for (const double t : {0.0, 0.25, 36526.5, 45000.999, 1.0})
        EXPECT_EQ(DateTimeToDisplay(t), t);

    int checked = 0;
    double worst = 0.0;
    for (double t = CalendarToDateTime(1, 1, 1); t < 3000.0; t += 37.3137) {
        const TCalendarDate date = DateTimeToCalendar(t);
        if (date.Month == 2 && date.Day == 29 && date.Year % 100 == 0 && date.Year % 400 != 0)
            continue;
        const TShown shown = ShownByFormatter(DateTimeToDisplay(t));
        ASSERT_EQ(shown.date, date) << "t " << t;
        const double error = std::fabs(shown.dayFraction - (t - std::floor(t)));
        worst = std::max(worst, error);
        ++checked;
    }
    EXPECT_GT(checked, 18000);
    EXPECT_LT(worst, 1e-6) << "worst time-of-day error (days)";
}

TEST(DateTimeToDisplay, RejectsJulianLeapDaysTheGregorianFormatterLacks)
{
    ExpectConvertError([] { DateTimeToDisplay(CalendarToDateTime(1500, 2, 29) + 0.5); }, "Invalid day", "1500-02-29");
    EXPECT_NO_THROW(DateTimeToDisplay(CalendarToDateTime(1600, 2, 29) + 0.5));
}

}  // namespace
}  // namespace astro
