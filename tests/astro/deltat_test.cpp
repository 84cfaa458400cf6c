#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "astro/calendar.h"
#include "astro/constants.h"
#include "astro/deltat.h"
#include "astro/deltat_terms.h"
#include "astro/errors.h"
#include "astro/instantrange.h"

namespace astro {
namespace {

// The instant of a decimal year on the mean Gregorian year, as the polynomials are read.
TDateTime AtDecimalYear(double year) { return Epoch2000Day + (year - 2000.0) * 365.2425; }

// 0h of 1 January of the year: in the calendar from year 1, before it at the decimal year
// (the Julian calendar of those years lies within days of it, worth under a second of
// Delta T there).
TDateTime NewYear(int year) { return year >= 1 ? CalendarToDateTime(year, 1, 1) : AtDecimalYear(year); }

struct TDeltaTReference {
    int Year;
    double Seconds;    // published Delta T at the start of the year
    double Tolerance;  // seconds
};

// Espenak and Meeus, Five Millennium Canon of Solar Eclipses (NASA/TP-2006-214141), its table
// of Delta T from observations; the tolerance is the table's own standard error where that
// exceeds half a second (its rows before 1850). 2010 and 2020 are the observed values of the
// IERS (66.07 s and 69.36 s), which the canon's polynomial of 2006 had to extrapolate: it runs
// 0.6 s and 2.2 s ahead of them.
constexpr TDeltaTReference DeltaTReferences[] = {
    {-500, 17190.0, 430.0}, {0, 10580.0, 260.0}, {500, 5710.0, 160.0}, {1000, 1570.0, 55.0}, {1500, 200.0, 20.0},
    {1600, 120.0, 20.0},    {1700, 9.0, 5.0},    {1750, 13.0, 2.0},    {1800, 14.0, 1.0},    {1850, 7.0, 0.5},
    {1900, -2.8, 0.5},      {1950, 29.1, 0.5},   {1955, 31.1, 0.5},    {1960, 33.2, 0.5},    {1965, 35.7, 0.5},
    {1970, 40.2, 0.5},      {1975, 45.5, 0.5},   {1980, 50.5, 0.5},    {1985, 54.3, 0.5},    {1990, 56.9, 0.5},
    {1995, 60.8, 0.5},      {2000, 63.8, 0.5},   {2005, 64.7, 0.5},    {2010, 66.1, 1.0},    {2020, 69.4, 3.0},
};

TEST(DeltaT, MatchesThePublishedValues)
{
    double worstModern = 0.0;
    for (const TDeltaTReference& r : DeltaTReferences) {
        const double got = DeltaTSeconds(NewYear(r.Year));
        EXPECT_NEAR(got, r.Seconds, r.Tolerance) << r.Year;
        if (r.Year >= 1900 && r.Year <= 2005)
            worstModern = std::max(worstModern, std::fabs(got - r.Seconds));
    }
    std::printf("Delta T 1900-2005: worst difference from the table %.2f s\n", worstModern);
}

// Outside the polynomials the long-term parabola of Morrison and Stephenson holds: 46 652 s
// at the canon's first year -1999, 4436 s at its last year 3000; and it keeps growing, so
// that at the ends of the library's span the two scales lie a day and more apart.
TEST(DeltaT, FarOutTheLongTermParabolaHolds)
{
    const struct {
        double Year;
        double Seconds;
        double Tolerance;
    } cases[] = {
        {-1999.0, 46652.0, 2.0},
        {-1000.0, 25428.0, 2.0},
        {3000.0, 4436.0, 2.0},
        {2500.0, 1459.0, 2.0},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(DeltaTSeconds(AtDecimalYear(c.Year)), c.Seconds, c.Tolerance) << c.Year;
    EXPECT_NEAR(DeltaTSeconds(FirstAlgorithmInstant) / SecondsPerDay, 1.25, 0.01);
    EXPECT_NEAR(DeltaTSeconds(LastAlgorithmInstant) / SecondsPerDay, 5.49, 0.01);
}

// Neighbouring polynomials meet where one hands over to the next: a jump of a second would
// move a phase or an eclipse by that much from one instant to the next.
TEST(DeltaT, ContinuousAtEveryBoundaryOfThePolynomials)
{
    double worst = 0.0;
    for (const TDeltaTPolynomial& p : DeltaTPolynomials) {
        for (const double year : {p.FromYear, p.UntilYear}) {
            const TDateTime t = AtDecimalYear(year);
            const double jump = DeltaTSeconds(t + 1e-6) - DeltaTSeconds(t - 1e-6);
            worst = std::max(worst, std::fabs(jump));
            EXPECT_LT(std::fabs(jump), 0.3) << "at " << year;
        }
    }
    std::printf("Delta T: largest jump at a boundary %.3f s\n", worst);
}

// Over the whole span, day after day: TT -> UT -> TT returns the instant, and so does
// UT -> TT -> UT wherever no boundary step lies in between; both directions agree on the
// difference of the scales.
TEST(DeltaT, RoundTripsOverTheSpan)
{
    double worstTT = 0.0;
    double worstUT = 0.0;
    const TDateTime last = UniversalFromDynamical(LastAlgorithmInstant);
    for (TDateTime t = FirstAlgorithmInstant; t < last; t += 9.731) {
        const TDateTime tt = DynamicalFromUniversal(t);
        EXPECT_NEAR((tt - t) * SecondsPerDay, DeltaTSeconds(t), 1e-6 * std::fabs(DeltaTSeconds(t)) + 1e-4);
        worstUT = std::max(worstUT, std::fabs(UniversalFromDynamical(tt) - t) * SecondsPerDay);
        if (t > FirstAlgorithmInstant + 2.0)
            worstTT =
                std::max(worstTT, std::fabs(DynamicalFromUniversal(UniversalFromDynamical(t)) - t) * SecondsPerDay);
    }
    std::printf("Delta T round trips: worst %.2e s (UT), %.2e s (TT)\n", worstUT, worstTT);
    // A millisecond, and the rounding of instants a million days from 1899.
    EXPECT_LT(worstUT, 0.001);
    EXPECT_LT(worstTT, 0.001);
}

// Where a polynomial hands over with a step, one dynamical instant has two universal ones or
// none; the inverse must still end, within the step, instead of wandering off.
TEST(DeltaT, InverseEndsAtTheStepsOfTheBoundaries)
{
    for (const TDeltaTPolynomial& p : DeltaTPolynomials) {
        const TDateTime boundary = AtDecimalYear(p.FromYear);
        const TDateTime tt = DynamicalFromUniversal(boundary);
        for (const double offset : {-0.5, -0.2, -0.1, 0.0, 0.1, 0.2, 0.5}) {
            const TDateTime probe = tt + offset / SecondsPerDay;
            const double back = (DynamicalFromUniversal(UniversalFromDynamical(probe)) - probe) * SecondsPerDay;
            EXPECT_LT(std::fabs(back), 0.3) << p.FromYear << " offset " << offset;
        }
    }
}

TEST(DeltaT, NonFiniteAndFarInstantsRaiseTheLibraryError)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (const double t : {nan, inf, -inf, 1e300, std::nextafter(FirstAlgorithmInstant, -inf),
                           std::nextafter(LastAlgorithmInstant, inf)}) {
        EXPECT_THROW(DeltaTSeconds(t), E_OutOfAlgorithmRange) << t;
        EXPECT_THROW(DynamicalFromUniversal(t), E_OutOfAlgorithmRange) << t;
        EXPECT_THROW(UniversalFromDynamical(t), E_OutOfAlgorithmRange) << t;
    }
}

}  // namespace
}  // namespace astro
