// The planner's month of light: the light, the moon and the night of each day of a month at a
// place, and the table's texts of them on the place's clock.

#include "planner/monthoflight.h"
#include "astro/calendar.h"
#include "planner/monthtable.h"

#include <benchmark/benchmark.h>

#include <QTimeZone>

namespace {

struct TBenchPlace {
    const char* Zone;
    double Latitude;
    double Longitude;  // WEST positive
};

// Berlin in June (short nights, no astronomical dark), Tromsø in June (midnight sun) and
// Sydney in July (long dark nights with the core high).
const TBenchPlace Places[] = {
    {"Europe/Berlin", 52.52, -13.405},
    {"Europe/Oslo", 69.649, -18.956},
    {"Australia/Sydney", -33.868, -151.209},
};

// The first of the month: July for Sydney, June for the others.
double MonthDay(int place) { return astro::CalendarToDateTime(2027, place == 2 ? 7 : 6, 1); }

void BM_MonthOfLight(benchmark::State& state)
{
    const TBenchPlace& place = Places[state.range(0)];
    const TPlaceZone zone(QTimeZone(place.Zone));
    for (auto _ : state)
        benchmark::DoNotOptimize(
            ComputeMonthOfLight(zone, MonthDay(int(state.range(0))), place.Latitude, place.Longitude));
}
BENCHMARK(BM_MonthOfLight)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

void BM_MonthTable(benchmark::State& state)
{
    const TBenchPlace& place = Places[0];
    const TPlaceZone zone(QTimeZone(place.Zone));
    const TMonthOfLight month = ComputeMonthOfLight(zone, MonthDay(0), place.Latitude, place.Longitude);
    TMonthTable table;
    for (auto _ : state)
        table.setMonth(month, zone, MonthDay(0) + 20);
}
BENCHMARK(BM_MonthTable)->Unit(benchmark::kMillisecond);

}  // namespace
