// The light of a place's local day as More Data and the command line compute it: the day's
// bounds from the place's zone, then every crossing of the sun and the moon in that span
// (target under 1 ms). A local day touches two UT days, so the searches run on both; each
// iteration moves to another day, so nothing can be reused. The zone's part is timed alone.

#include <benchmark/benchmark.h>

#include "almanac/placezone.h"
#include "astro/calendar.h"
#include "astro/dayinterval.h"

namespace {

struct TBenchPlace {
    double Latitude, LongitudeWest;
    const char* Zone;
};

constexpr TBenchPlace Berlin{52.52, -13.40, "Europe/Berlin"};
constexpr TBenchPlace NewYork{40.71, 74.01, "America/New_York"};
constexpr TBenchPlace Tromso{69.65, -18.96, "Europe/Oslo"};

void LocalDayLightAt(benchmark::State& state, const TBenchPlace& place)
{
    const TPlaceZone zone{QTimeZone(place.Zone)};
    double day = astro::CalendarToDateTime(2027, 1, 1);
    for (auto _ : state) {
        const TLocalDay local = zone.day(day);
        benchmark::DoNotOptimize(astro::DayLightBetween(local.Start, local.End, place.Latitude, place.LongitudeWest));
        day += 3;
    }
}

void BM_LocalDayLightBerlin(benchmark::State& state) { LocalDayLightAt(state, Berlin); }
BENCHMARK(BM_LocalDayLightBerlin)->Unit(benchmark::kMicrosecond);

void BM_LocalDayLightNewYork(benchmark::State& state) { LocalDayLightAt(state, NewYork); }
BENCHMARK(BM_LocalDayLightNewYork)->Unit(benchmark::kMicrosecond);

void BM_LocalDayLightTromso(benchmark::State& state) { LocalDayLightAt(state, Tromso); }
BENCHMARK(BM_LocalDayLightTromso)->Unit(benchmark::kMicrosecond);

void BM_LocalDayBounds(benchmark::State& state)
{
    const TPlaceZone zone{QTimeZone("America/New_York")};
    double day = astro::CalendarToDateTime(2027, 1, 1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(zone.day(day));
        day += 1;
    }
}
BENCHMARK(BM_LocalDayBounds)->Unit(benchmark::kMicrosecond);

}  // namespace
