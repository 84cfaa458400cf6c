// Speed of the position routines, with libnova's solar position as the peer: both evaluate
// the complete VSOP87 earth series, plus nutation and aberration for the apparent place.
// Each iteration moves the instant, so no routine can serve a result from a cache.

#include <benchmark/benchmark.h>
#include <libnova/solar.h>

#include "astro/astro.h"

namespace {

// 1992-10-13 0h, stepped by an irregular fraction of a day per call.
constexpr double StartDateTime = 33890.0;
constexpr double StepDays = 0.7134;
constexpr double Berlin[] = {-13.4, 52.5};  // longitude (west positive), latitude

// Times `routine` on an instant that starts at `start` and moves by StepDays on every call.
template <typename Routine>
void Stepped(benchmark::State& state, double start, Routine routine)
{
    double t = start;
    for (auto _ : state) {
        benchmark::DoNotOptimize(routine(t));
        t += StepDays;
    }
}

void BM_SunPosition(benchmark::State& state)
{
    Stepped(state, StartDateTime, [](double t) { return astro::SunPosition(t); });
}
BENCHMARK(BM_SunPosition);

void BM_LibnovaSolarEquCoords(benchmark::State& state)
{
    Stepped(state, astro::DateTimeToJulian(StartDateTime), [](double jd) {
        ln_equ_posn position;
        ln_get_solar_equ_coords(jd, &position);
        return position;
    });
}
BENCHMARK(BM_LibnovaSolarEquCoords);

void BM_LibnovaSolarGeomCoords(benchmark::State& state)
{
    Stepped(state, astro::DateTimeToJulian(StartDateTime), [](double jd) {
        ln_helio_posn position;
        ln_get_solar_geom_coords(jd, &position);
        return position;
    });
}
BENCHMARK(BM_LibnovaSolarGeomCoords);

void BM_MoonPosition(benchmark::State& state)
{
    Stepped(state, StartDateTime, [](double t) { return astro::MoonPosition(t); });
}
BENCHMARK(BM_MoonPosition);

void BM_SunHorizontal(benchmark::State& state)
{
    Stepped(state, StartDateTime, [](double t) { return astro::SunHorizontal(t, Berlin[0], Berlin[1]); });
}
BENCHMARK(BM_SunHorizontal);

void BM_Nutation(benchmark::State& state)
{
    Stepped(state, StartDateTime, [](double t) { return astro::Nutation(t); });
}
BENCHMARK(BM_Nutation);

void BM_SiderealTime(benchmark::State& state)
{
    Stepped(state, StartDateTime, [](double t) { return astro::SiderealTime(t); });
}
BENCHMARK(BM_SiderealTime);

}  // namespace
