// One night's dark sky and Milky Way core (target: 31 nights, a month view, under 50 ms
// together). Each iteration moves to another night, so nothing can be reused.

#include <benchmark/benchmark.h>

#include "astro/calendar.h"
#include "astro/night.h"

namespace {

// Latitude north and longitude positive west of Canberra, where the core stands high, and of
// Reykjavik, where the nights turn white in summer.
constexpr double Canberra[] = {-35.28, -149.13};
constexpr double Reykjavik[] = {64.14, 21.94};

void NightAt(benchmark::State& state, const double* place)
{
    astro::TDateTime start = astro::CalendarToDateTime(2024, 1, 1) + 0.5 + place[1] / 360.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(astro::NightBetween(start, start + 1.0, place[0], place[1]));
        start += 1.0;
    }
}

void BM_NightCanberra(benchmark::State& state) { NightAt(state, Canberra); }
BENCHMARK(BM_NightCanberra)->Unit(benchmark::kMicrosecond);

void BM_NightReykjavik(benchmark::State& state) { NightAt(state, Reykjavik); }
BENCHMARK(BM_NightReykjavik)->Unit(benchmark::kMicrosecond);

}  // namespace
