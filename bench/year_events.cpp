// The year's event list as the More Data window computes it for one location and instant:
// four season starts, next perigee, apogee, perihelion and aphelion, next solar and lunar
// eclipse, Easter, Passover, the Chinese New Year with its zodiac branch, and the sun's and
// the moon's rise, transit and set of the day. The target is under 5 ms per list.
// The breakdown benchmarks time each block on its own to show where the time goes.

#include "astro/apsides.h"
#include "astro/calendar.h"
#include "astro/chinese_calendar.h"
#include "astro/eclipses.h"
#include "astro/feasts.h"
#include "astro/phases.h"
#include "astro/seasons.h"
#include "moredata/yearevents.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <utility>

namespace {

using astro::TDateTime;

// Berlin: latitude north, longitude positive west.
constexpr double Latitude = 52.52;
constexpr double Longitude = -13.40;

// Instants spread over several years and times of day, so that no one lunation, eclipse
// season or leap-month pattern decides the figure.
std::array<TDateTime, 16> SampleInstants()
{
    std::array<TDateTime, 16> instants{};
    const TDateTime first = astro::CalendarToDateTime(2019, 1, 7) + 0.3;
    for (std::size_t i = 0; i < instants.size(); ++i)
        instants[i] = first + 131.37 * i;
    return instants;
}

int YearOf(TDateTime u) { return astro::DateTimeToCalendar(u).Year; }

std::array<TDateTime, 4> Seasons(int year)
{
    return {astro::SeasonBegin(year, astro::ssSpring), astro::SeasonBegin(year, astro::ssSummer),
            astro::SeasonBegin(year, astro::ssAutumn), astro::SeasonBegin(year, astro::ssWinter)};
}

// The window's list with the day's rise, transit and set times.
std::pair<TYearEvents, TDayEvents> YearEventList(TDateTime u)
{
    return {YearEvents(u), DayEvents(std::floor(u), Latitude, Longitude)};
}

// Runs body on each sample instant in turn.
template <typename Body>
void RunOverInstants(benchmark::State& state, Body body)
{
    const std::array<TDateTime, 16> instants = SampleInstants();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(body(instants[i]));
        i = (i + 1) % instants.size();
    }
}

void BM_YearEventList(benchmark::State& state) { RunOverInstants(state, YearEventList); }
BENCHMARK(BM_YearEventList)->Unit(benchmark::kMillisecond);

void BM_Seasons(benchmark::State& state)
{
    RunOverInstants(state, [](TDateTime u) { return Seasons(YearOf(u)); });
}
BENCHMARK(BM_Seasons)->Unit(benchmark::kMicrosecond);

void BM_OrbitEvents(benchmark::State& state)
{
    RunOverInstants(state, [](TDateTime u) {
        return astro::PerigeeAfter(u) + astro::ApogeeAfter(u) + astro::PerihelionAfter(u) + astro::AphelionAfter(u);
    });
}
BENCHMARK(BM_OrbitEvents)->Unit(benchmark::kMicrosecond);

void BM_NextEclipses(benchmark::State& state)
{
    RunOverInstants(state, [](TDateTime u) {
        TDateTime solar = u;
        TDateTime lunar = u;
        return astro::NextEclipse(solar, true) + astro::NextEclipse(lunar, false) + solar + lunar;
    });
}
BENCHMARK(BM_NextEclipses)->Unit(benchmark::kMicrosecond);

void BM_EasterPassover(benchmark::State& state)
{
    RunOverInstants(state, [](TDateTime u) {
        const int year = YearOf(u);
        return astro::EasterDate(year) + astro::PassoverDate(year);
    });
}
BENCHMARK(BM_EasterPassover)->Unit(benchmark::kMicrosecond);

void BM_ChineseNewYear(benchmark::State& state)
{
    RunOverInstants(state, [](TDateTime u) { return astro::ChineseNewYearOf(YearOf(u)); });
}
BENCHMARK(BM_ChineseNewYear)->Unit(benchmark::kMicrosecond);

void BM_ChineseZodiacOfNewYear(benchmark::State& state)
{
    RunOverInstants(state,
                    [](TDateTime u) { return astro::ChineseDateOf(astro::ChineseNewYearOf(YearOf(u))).YearBranch; });
}
BENCHMARK(BM_ChineseZodiacOfNewYear)->Unit(benchmark::kMicrosecond);

void BM_SunAndMoonRiseTransitSet(benchmark::State& state)
{
    RunOverInstants(state, [](TDateTime u) { return DayEvents(std::floor(u), Latitude, Longitude); });
}
BENCHMARK(BM_SunAndMoonRiseTransitSet)->Unit(benchmark::kMicrosecond);

// The two searches the Chinese calendar repeats most.
void BM_PrincipalTermBefore(benchmark::State& state)
{
    RunOverInstants(state, [](TDateTime u) { return astro::PrincipalTermBefore(u); });
}
BENCHMARK(BM_PrincipalTermBefore)->Unit(benchmark::kMicrosecond);

void BM_NewMoonAfter(benchmark::State& state)
{
    RunOverInstants(state, [](TDateTime u) { return astro::PhaseAfter(astro::mpNew, u); });
}
BENCHMARK(BM_NewMoonAfter)->Unit(benchmark::kMicrosecond);

}  // namespace
