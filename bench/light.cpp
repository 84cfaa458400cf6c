// The photographer's light of a day: one sun altitude crossing (target at most 50
// microseconds a call) and the whole light block of one day, twilights, blue and golden
// hour, sunrise and sunset with azimuths, moonrise and moonset with azimuth and phase
// (target under 1 ms). Each iteration moves to another day, so nothing can be reused; the
// moon's rise and set are also timed alone, and on a day its altitude turns at the horizon,
// where they are found by scanning.

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

// 2025-11-24 at 63 S, 9.9 E: the moon sets and rises again three minutes later.
constexpr double TurningMoonPlace[] = {-63.0, -9.9};
TDateTime TurningMoonDay() { return astro::CalendarToDateTime(2025, 11, 24); }

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

void BM_DayLightOnATurningMoonsDay(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(astro::DayLight(TurningMoonDay(), TurningMoonPlace[0], TurningMoonPlace[1]));
}
BENCHMARK(BM_DayLightOnATurningMoonsDay)->Unit(benchmark::kMicrosecond);

void MoonRiseAndSetAt(benchmark::State& state, const double* place, TDateTime first, double step)
{
    TDateTime day = first;
    for (auto _ : state) {
        for (const auto event : {astro::rsRise, astro::rsSet}) {
            try {
                benchmark::DoNotOptimize(astro::RiseTransitSet(false, event, day, place[0], place[1]));
            } catch (const astro::E_NoRiseSet&) {
            }
        }
        day += step;
    }
}

void BM_MoonRiseAndSetBerlin(benchmark::State& state)
{
    MoonRiseAndSetAt(state, Berlin, astro::CalendarToDateTime(2024, 1, 1), 1);
}
BENCHMARK(BM_MoonRiseAndSetBerlin)->Unit(benchmark::kMicrosecond);

void BM_MoonRiseAndSetTromso(benchmark::State& state)
{
    MoonRiseAndSetAt(state, Tromso, astro::CalendarToDateTime(2024, 1, 1), 1);
}
BENCHMARK(BM_MoonRiseAndSetTromso)->Unit(benchmark::kMicrosecond);

void BM_MoonRiseAndSetOnATurn(benchmark::State& state)
{
    MoonRiseAndSetAt(state, TurningMoonPlace, TurningMoonDay(), 0);
}
BENCHMARK(BM_MoonRiseAndSetOnATurn)->Unit(benchmark::kMicrosecond);

}  // namespace
