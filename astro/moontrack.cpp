#include "astro/moontrack.h"

#include <cmath>

#include "astro/moon_position.h"

namespace astro {

namespace {

constexpr double NodeStep = 0.25;
constexpr double FirstNode = -0.25;

// Value at x (in node steps from the first of four equally spaced values) of the cubic
// through them.
double Cubic(const double* y, double x)
{
    const double a = x - 1.0;
    const double b = x - 2.0;
    const double c = x - 3.0;
    return -y[0] * a * b * c / 6.0 + y[1] * x * b * c / 2.0 - y[2] * x * a * c / 2.0 + y[3] * x * a * b / 6.0;
}

}  // namespace

TMoonTrack MoonTrack(TDateTime day)
{
    TMoonTrack track{day, {}, {}};
    for (std::size_t i = 0; i < track.RightAscension.size(); ++i) {
        const TSkyPosition moon = MoonPosition(day + FirstNode + NodeStep * static_cast<double>(i));
        double ra = moon.RightAscension;
        if (i > 0)
            ra += 360.0 * std::round((track.RightAscension[i - 1] - ra) / 360.0);
        track.RightAscension[i] = ra;
        track.Declination[i] = moon.Declination;
    }
    return track;
}

TEquatorialPlace MoonPlaceOnTrack(const TMoonTrack& track, double m)
{
    const double u = (m - FirstNode) / NodeStep;
    const double lastFirst = static_cast<double>(track.RightAscension.size() - 4);
    // Written so that a NaN takes the first four positions.
    const double firstNode = std::floor(u) - 1.0;
    const int first = static_cast<int>(firstNode > lastFirst ? lastFirst : firstNode >= 0.0 ? firstNode : 0.0);
    const double x = u - first;
    return {Cubic(&track.RightAscension[first], x), Cubic(&track.Declination[first], x)};
}

}  // namespace astro
