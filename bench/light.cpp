// The photographer's light of a day: one sun altitude crossing (target at most 50
// microseconds a call) and the whole light block of one day, twilights, blue and golden
// hour, sunrise and sunset with azimuths, moonrise and moonset with azimuth and phase
// (target under 1 ms). Each iteration moves to another day, so nothing can be reused.

#include <benchmark/benchmark.h>

#include "astro/calendar.h"
#include "astro/daylight.h"
#include "astro/errors.h"
#include "astro/riseset.h"

namespace {

using astro::TDateTime;

// Latitude north and longitude positive west of Berlin and of Tromso, where the crossings
// of high summer and midwinter are missing and the searches take their longest way.
constexpr double Berlin[] = {52.52, -13.40};
constexpr double Tromso[] = {69.65, -18.96};

constexpr double Altitudes[] = {-18.0, -12.0, -6.0, -4.0, -0.8333, 6.0};

void SunAltitudeTimeAt(benchmark::State& state, const double* place)
{
    TDateTime day = astro::CalendarToDateTime(2024, 1, 1);
    int i = 0;
    for (auto _ : state) {
        const double altitude = Altitudes[i % 6];
        const auto event = i % 2 == 0 ? astro::rsRise : astro::rsSet;
        try {
            benchmark::DoNotOptimize(astro::SunAltitudeTime(event, day, altitude, place[0], place[1]));
        } catch (const astro::E_NoRiseSet&) {
        }
        ++i;
        day += 3;
    }
}

void BM_SunAltitudeTimeBerlin(benchmark::State& state) { SunAltitudeTimeAt(state, Berlin); }
BENCHMARK(BM_SunAltitudeTimeBerlin)->Unit(benchmark::kMicrosecond);

void BM_SunAltitudeTimeTromso(benchmark::State& state) { SunAltitudeTimeAt(state, Tromso); }
BENCHMARK(BM_SunAltitudeTimeTromso)->Unit(benchmark::kMicrosecond);

void DayLightAt(benchmark::State& state, const double* place)
{
    TDateTime day = astro::CalendarToDateTime(2024, 1, 1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(astro::DayLight(day, place[0], place[1]));
        day += 3;
    }
}

void BM_DayLightBerlin(benchmark::State& state) { DayLightAt(state, Berlin); }
BENCHMARK(BM_DayLightBerlin)->Unit(benchmark::kMicrosecond);

void BM_DayLightTromso(benchmark::State& state) { DayLightAt(state, Tromso); }
BENCHMARK(BM_DayLightTromso)->Unit(benchmark::kMicrosecond);

}  // namespace
