// The earth's series is summed with hand-fused multiply-adds on the widest vectors the
// processor has. Summed the plain way instead, term by term through Evaluate, the sun must
// stay within 0.001" wherever the library answers.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "astro/constants.h"
#include "astro/instantrange.h"
#include "astro/sun.h"
#include "astro/vsop.h"

namespace astro {
namespace {

// The earth's tables through the generic term-by-term sums.
class TPlainEarth : public TVSOPEarth {
public:
    double Longitude() const override { return Evaluate(&TVSOP::LongitudeTerm); }
    double Latitude() const override { return Evaluate(&TVSOP::LatitudeTerm); }
    double Radius() const override { return Evaluate(&TVSOP::RadiusTerm); }
};

TEST(SunSeriesReference, FastSumsAgreeWithThePlainOnesOverTheWholeRange)
{
    constexpr int Instants = 10000;
    constexpr double Tolerance = 0.001 / ArcsecondsPerDegree;
    const double step = (LastAlgorithmInstant - FirstAlgorithmInstant) / Instants;
    double worstAngle = 0.0;
    double worstRadius = 0.0;
    for (int i = 0; i < Instants; ++i) {
        const TDateTime t = FirstAlgorithmInstant + step * (i + std::fmod(0.618034 * i, 1.0));
        const THeliocentricPosition fast = EarthHeliocentric<TVSOPEarth>(t);
        const THeliocentricPosition plain = EarthHeliocentric<TPlainEarth>(t);
        worstAngle = std::max({worstAngle, std::fabs(std::remainder(fast.Longitude - plain.Longitude, 360.0)),
                               std::fabs(fast.Latitude - plain.Latitude)});
        worstRadius = std::max(worstRadius, std::fabs(fast.Radius - plain.Radius));
    }
    EXPECT_LT(worstAngle, Tolerance);
    EXPECT_LT(worstRadius, 1e-12);
    RecordProperty("worst_arcsec", std::to_string(worstAngle * ArcsecondsPerDegree));
}

}  // namespace
}  // namespace astro
