#include "astro/crossings.h"

#include <algorithm>
#include <cmath>

namespace astro {

namespace {

constexpr int SamplesPerDay = 24;
constexpr double SampleStep = 1.0 / SamplesPerDay;

// A crossing is settled when its bracket is shorter than this (days: one second).
constexpr double Resolution = 1.0 / 86400.0;

// False position needs a few steps per halving at worst; beyond this the bracket's middle is
// taken (only a function that is not smooth gets there).
constexpr int MostClosingSteps = 100;

struct TPoint {
    double X;
    double Y;
};

bool Below(double y) { return y < 0.0; }

bool TurnsAt(const TPoint& a, const TPoint& b, const TPoint& c) { return (b.Y - a.Y) * (c.Y - b.Y) < 0.0; }

// The x of the turn of the parabola through a, b and c (equally spaced in x).
double TurnOfParabola(const TPoint& a, const TPoint& b, const TPoint& c)
{
    const double curvature = a.Y - 2.0 * b.Y + c.Y;
    return b.X + (b.X - a.X) * (a.Y - c.Y) / (2.0 * curvature);
}

// The zero of f between lo and hi, whose values lie on either side of zero.
double ClosedIn(const std::function<double(double)>& f, TPoint lo, TPoint hi)
{
    // Illinois: the end that stays put twice running has its value halved, so both ends
    // move in and the bracket shrinks even where f is curved.
    int lastMoved = 0;
    for (int step = 0; step < MostClosingSteps && hi.X - lo.X > Resolution; ++step) {
        double x = (lo.X * hi.Y - hi.X * lo.Y) / (hi.Y - lo.Y);
        if (!(x > lo.X && x < hi.X))
            x = (lo.X + hi.X) / 2.0;
        const TPoint p{x, f(x)};
        if (p.Y == 0.0)
            return p.X;
        if (Below(p.Y) == Below(lo.Y)) {
            lo = p;
            if (lastMoved < 0)
                hi.Y /= 2.0;
            lastMoved = -1;
        } else {
            hi = p;
            if (lastMoved > 0)
                lo.Y /= 2.0;
            lastMoved = 1;
        }
    }
    return (lo.X + hi.X) / 2.0;
}

// The samples of the day and its edges, with f at every turn between them, in time order.
std::vector<TPoint> Path(const std::function<double(double)>& f)
{
    std::vector<TPoint> samples;
    for (int k = -1; k <= SamplesPerDay + 1; ++k)
        samples.push_back({k * SampleStep, f(k * SampleStep)});
    std::vector<TPoint> path = samples;
    for (std::size_t i = 1; i + 1 < samples.size(); ++i) {
        if (!TurnsAt(samples[i - 1], samples[i], samples[i + 1]))
            continue;
        const double x = TurnOfParabola(samples[i - 1], samples[i], samples[i + 1]);
        if (x > samples[i - 1].X && x < samples[i + 1].X && x != samples[i].X)
            path.push_back({x, f(x)});
    }
    std::sort(path.begin(), path.end(), [](const TPoint& a, const TPoint& b) { return a.X < b.X; });
    return path;
}

}  // namespace

std::vector<TZeroCrossing> DayZeroCrossings(const std::function<double(double)>& f)
{
    const std::vector<TPoint> path = Path(f);
    std::vector<TZeroCrossing> crossings;
    for (std::size_t i = 0; i + 1 < path.size(); ++i) {
        const TPoint& a = path[i];
        const TPoint& b = path[i + 1];
        if (std::isnan(a.Y) || std::isnan(b.Y) || Below(a.Y) == Below(b.Y) || b.X < 0.0 || a.X >= 1.0)
            continue;
        const double x = a.Y == 0.0 ? a.X : b.Y == 0.0 ? b.X : ClosedIn(f, a, b);
        if (x >= 0.0 && x < 1.0)
            crossings.push_back({x, Below(a.Y)});
    }
    return crossings;
}

}  // namespace astro
