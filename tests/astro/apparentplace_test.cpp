// A star's place of a date against the worked examples of the reference, and the galactic
// centre against the invariants of its place.

#include <gtest/gtest.h>

#include <cmath>

#include "astro/apparentplace.h"
#include "astro/constants.h"
#include "astro/errors.h"
#include "astro/galacticcentre.h"

namespace astro {
namespace {

double Hours(double h, double m, double s) { return (h + m / 60.0 + s / 3600.0) * 15.0; }
double Degrees(double d, double m, double s) { return std::copysign(std::fabs(d) + m / 60.0 + s / 3600.0, d); }

// theta Persei (Meeus examples 21.b and 23.a): its J2000.0 place moved on by its proper
// motion of +0.03425 s and -0.0895" a year over the 28.86705 years to 2028-11-13.19 TD.
constexpr double ThetaPerseiInstant = 2462088.69 - JulianDateOffset;
constexpr double ThetaPerseiYears = 28.86705;
TEquatorialPlace ThetaPerseiJ2000()
{
    return {Hours(2, 44, 11.986 + 0.03425 * ThetaPerseiYears), Degrees(49, 13, 42.48 - 0.0895 * ThetaPerseiYears)};
}

struct TWorkedPlace {
    const char* Name;
    TEquatorialPlace (*Compute)(const TEquatorialPlace&, TDateTime);
    double RightAscension;       // degrees
    double Declination;          // degrees
    double ToleranceSeconds;     // of time in right ascension
    double ToleranceArcseconds;  // in declination
};

class WorkedPlace : public ::testing::TestWithParam<TWorkedPlace> {};

TEST_P(WorkedPlace, MatchesTheExample)
{
    const TWorkedPlace& c = GetParam();
    const TEquatorialPlace place = c.Compute(ThetaPerseiJ2000(), ThetaPerseiInstant);
    EXPECT_NEAR(place.RightAscension, c.RightAscension, c.ToleranceSeconds * 15.0 / 3600.0) << c.Name;
    EXPECT_NEAR(place.Declination, c.Declination, c.ToleranceArcseconds / 3600.0) << c.Name;
}

INSTANTIATE_TEST_SUITE_P(ThetaPersei, WorkedPlace,
                         ::testing::Values(TWorkedPlace{"mean place of date (21.b)", PrecessFromJ2000,
                                                        Hours(2, 46, 11.331), Degrees(49, 20, 54.54), 0.002, 0.02},
                                           TWorkedPlace{"apparent place (23.a)", ApparentPlace, Hours(2, 46, 14.390),
                                                        Degrees(49, 21, 7.45), 0.01, 0.1}));

// Precession turns the frame and nothing else: two stars keep their angular distance, and
// the core's place moves by the annual rates of the reference's eq. 21.1 (m + n sin a tan d
// in right ascension, n cos a in declination: 3.814 s and -1.26" a year).
TEST(PrecessFromJ2000, TurnsTheFrameAtTheAnnualRates)
{
    const auto distance = [](const TEquatorialPlace& a, const TEquatorialPlace& b) {
        const double d2r = Pi / 180.0;
        return std::acos(std::sin(a.Declination * d2r) * std::sin(b.Declination * d2r) +
                         std::cos(a.Declination * d2r) * std::cos(b.Declination * d2r) *
                             std::cos((a.RightAscension - b.RightAscension) * d2r)) /
               d2r;
    };
    const TEquatorialPlace core = GalacticCentreJ2000;
    const TEquatorialPlace other{Hours(5, 55, 10.3), Degrees(7, 24, 25)};
    for (const double years : {-200.0, -50.0, -1.0, 1.0, 25.0, 100.0}) {
        const TDateTime t = J2000DateTime + years * DaysPerJulianYear;
        const TEquatorialPlace moved = PrecessFromJ2000(core, t);
        EXPECT_NEAR(distance(moved, PrecessFromJ2000(other, t)), distance(core, other), 1e-9) << years;
        if (std::fabs(years) <= 1.0) {
            EXPECT_NEAR((moved.RightAscension - core.RightAscension) / years * 240.0, 3.814, 0.01) << years;
            EXPECT_NEAR((moved.Declination - core.Declination) / years * 3600.0, -1.26, 0.03) << years;
        }
    }
}

// At J2000.0 the apparent place differs from the catalogue's by nutation and aberration only:
// together at most about 40" in declination and 40"/cos(dec) in right ascension.
TEST(GalacticCentrePosition, LiesNearItsCataloguePlaceAtTheEpoch)
{
    const TEquatorialPlace place = GalacticCentrePosition(J2000DateTime);
    EXPECT_NEAR(place.Declination, GalacticCentreJ2000.Declination, 40.0 / 3600.0);
    EXPECT_NEAR(place.RightAscension, GalacticCentreJ2000.RightAscension, 40.0 / 3600.0 / std::cos(29.0 * Pi / 180));
    EXPECT_GT(std::fabs(place.Declination - GalacticCentreJ2000.Declination), 1.0 / 3600.0);
}

TEST(ApparentPlace, RefusesInstantsAndPlacesOutsideItsRange)
{
    const double nan = std::nan("");
    EXPECT_THROW(ApparentPlace(GalacticCentreJ2000, nan), E_OutOfAlgorithmRange);
    EXPECT_THROW(ApparentPlace({nan, 0.0}, J2000DateTime), E_OutOfAlgorithmRange);
    EXPECT_THROW(PrecessFromJ2000({10.0, 91.0}, J2000DateTime), E_OutOfAlgorithmRange);
}

}  // namespace
}  // namespace astro
