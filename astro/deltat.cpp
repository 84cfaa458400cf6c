#include "astro/deltat.h"

#include <span>

#include "astro/constants.h"
#include "astro/deltat_terms.h"
#include "astro/instantrange.h"

namespace astro {

namespace {

// The mean Gregorian year (days); 2000-01-01 0h is the decimal year 2000.0.
constexpr double DaysPerGregorianYear = 365.2425;
constexpr double Year2000 = 2000.0;

// Delta T changes by at most 80 s a year in -4000..14000 (2.5e-6 s per second), so each
// substitution in the inverse shrinks the error by that factor: from a first error of at
// most 2 s, three reach a microsecond.
constexpr int InverseSubstitutions = 3;

double DecimalYear(TDateTime t) { return Year2000 + (t - Epoch2000Day) / DaysPerGregorianYear; }

double Evaluate(const TDeltaTPolynomial& p, double year)
{
    const double x = (year - p.Origin) / p.YearsPerUnit;
    const std::span<const double> c(p.C);
    double sum = 0.0;
    for (auto it = c.rbegin(); it != c.rend(); ++it)
        sum = sum * x + *it;
    return sum;
}

// Delta T of a finite instant; the checks are the public functions' business, so that the
// inverse may probe a day or so beyond the checked span.
double DeltaTOf(TDateTime t)
{
    const double year = DecimalYear(t);
    for (const TDeltaTPolynomial& p : DeltaTPolynomials)
        if (year >= p.FromYear && year < p.UntilYear)
            return Evaluate(p, year);
    const double u = (year - LongTermDeltaT.Origin) / 100.0;
    return LongTermDeltaT.Constant + LongTermDeltaT.Quadratic * u * u;
}

}  // namespace

double DeltaTSeconds(TDateTime ut) { return DeltaTOf(CheckedInstant(ut)); }

TDateTime DynamicalFromUniversal(TDateTime ut) { return ut + DeltaTSeconds(ut) / SecondsPerDay; }

TDateTime UniversalFromDynamical(TDateTime tt)
{
    TDateTime ut = CheckedInstant(tt);
    for (int step = 0; step < InverseSubstitutions; ++step)
        ut = tt - DeltaTOf(ut) / SecondsPerDay;
    return ut;
}

}  // namespace astro
