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

void BM_SunPosition(benchmark::State& state)
{
    double t = StartDateTime;
    for (auto _ : state) {
        benchmark::DoNotOptimize(astro::SunPosition(t));
        t += StepDays;
    }
}
BENCHMARK(BM_SunPosition);

void BM_LibnovaSolarEquCoords(benchmark::State& state)
{
    double jd = astro::DateTimeToJulian(StartDateTime);
    ln_equ_posn position;
    for (auto _ : state) {
        ln_get_solar_equ_coords(jd, &position);
        benchmark::DoNotOptimize(position);
        jd += StepDays;
    }
}
BENCHMARK(BM_LibnovaSolarEquCoords);

void BM_LibnovaSolarGeomCoords(benchmark::State& state)
{
    double jd = astro::DateTimeToJulian(StartDateTime);
    ln_helio_posn position;
    for (auto _ : state) {
        ln_get_solar_geom_coords(jd, &position);
        benchmark::DoNotOptimize(position);
        jd += StepDays;
    }
}
BENCHMARK(BM_LibnovaSolarGeomCoords);

void BM_MoonPosition(benchmark::State& state)
{
    double t = StartDateTime;
    for (auto _ : state) {
        benchmark::DoNotOptimize(astro::MoonPosition(t));
        t += StepDays;
    }
}
BENCHMARK(BM_MoonPosition);

void BM_SunHorizontal(benchmark::State& state)
{
    double t = StartDateTime;
    for (auto _ : state) {
        benchmark::DoNotOptimize(astro::SunHorizontal(t, Berlin[0], Berlin[1]));
        t += StepDays;
    }
}
BENCHMARK(BM_SunHorizontal);

void BM_Nutation(benchmark::State& state)
{
    double t = StartDateTime;
    for (auto _ : state) {
        benchmark::DoNotOptimize(astro::Nutation(t));
        t += StepDays;
    }
}
BENCHMARK(BM_Nutation);

void BM_SiderealTime(benchmark::State& state)
{
    double t = StartDateTime;
    for (auto _ : state) {
        benchmark::DoNotOptimize(astro::SiderealTime(t));
        t += StepDays;
    }
}
BENCHMARK(BM_SiderealTime);

}  // namespace
