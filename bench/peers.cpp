// Our almanac beside libnova (Debian libnova-dev) on the same 1,024 instants of 1900-2100, so
// that the ratios of one run compare like with like whatever the machine's speed:
// - the sun's apparent right ascension and declination: SunPosition at least 19 times faster
//   than ln_get_solar_equ_coords;
// - the moon's: MoonPosition at least 16 times faster than ln_get_lunar_equ_coords_prec at
//   1e-5 of its series;
// - the moon's rise, transit and set of a day in Berlin at least 85 times faster than
//   ln_get_lunar_rst;
// - the four seasons of a year in at most the time of eight SunPosition calls (libnova has no
//   seasons; BM_EightSunPositions is the yardstick).
// bench/peer_ratios.py runs this program five times over and prints the ratios against their
// goals.

#include <benchmark/benchmark.h>
#include <libnova/lunar.h>
#include <libnova/solar.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <limits>
#include <vector>

#include "astro/astro.h"

namespace {

using astro::TDateTime;

constexpr std::size_t InstantCount = 1024;

// Berlin: latitude north, longitude positive west (ours) and east (libnova's).
constexpr double BerlinLatitude = 52.52;
constexpr double BerlinLongitudeWest = -13.40;

// 1900-01-01 0h to 2100-01-01 0h in equal steps; a step is not a whole number of days, so the
// instants fall at every hour of the day and every phase of the moon.
const std::vector<TDateTime>& Instants()
{
    static const std::vector<TDateTime> instants = [] {
        const TDateTime first = astro::CalendarToDateTime(1900, 1, 1);
        const double step = (astro::CalendarToDateTime(2100, 1, 1) - first) / InstantCount;
        std::vector<TDateTime> all(InstantCount);
        for (std::size_t i = 0; i < InstantCount; ++i)
            all[i] = first + step * static_cast<double>(i);
        return all;
    }();
    return instants;
}

// Runs routine on each instant in turn, one per iteration.
template <typename Routine>
void OverInstants(benchmark::State& state, Routine routine)
{
    const std::vector<TDateTime>& instants = Instants();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(routine(instants[i]));
        i = (i + 1) % instants.size();
    }
}

double JulianDay(TDateTime t) { return astro::DateTimeToJulian(t); }

void BM_SunPosition(benchmark::State& state)
{
    OverInstants(state, [](TDateTime t) { return astro::SunPosition(t); });
}
BENCHMARK(BM_SunPosition);

void BM_LibnovaSolarEquCoords(benchmark::State& state)
{
    OverInstants(state, [](TDateTime t) {
        ln_equ_posn position;
        ln_get_solar_equ_coords(JulianDay(t), &position);
        return position;
    });
}
BENCHMARK(BM_LibnovaSolarEquCoords);

void BM_MoonPosition(benchmark::State& state)
{
    OverInstants(state, [](TDateTime t) { return astro::MoonPosition(t); });
}
BENCHMARK(BM_MoonPosition);

void BM_LibnovaLunarEquCoordsPrec(benchmark::State& state)
{
    OverInstants(state, [](TDateTime t) {
        ln_equ_posn position;
        ln_get_lunar_equ_coords_prec(JulianDay(t), &position, 0.00001);
        return position;
    });
}
BENCHMARK(BM_LibnovaLunarEquCoordsPrec);

// The UT day of the instant; an event the day lacks counts as found (NaN), as the windows
// show it.
std::array<TDateTime, 3> MoonRiseTransitSet(TDateTime t)
{
    std::array<TDateTime, 3> events{};
    const TDateTime day = std::floor(t);
    const astro::TRiseSetEvent kinds[] = {astro::rsRise, astro::rsTransit, astro::rsSet};
    for (std::size_t i = 0; i < events.size(); ++i) {
        try {
            events[i] = astro::RiseTransitSet(false, kinds[i], day, BerlinLatitude, BerlinLongitudeWest);
        } catch (const astro::E_NoRiseSet&) {
            events[i] = std::numeric_limits<double>::quiet_NaN();
        }
    }
    return events;
}

void BM_MoonRiseTransitSet(benchmark::State& state) { OverInstants(state, MoonRiseTransitSet); }
BENCHMARK(BM_MoonRiseTransitSet)->Unit(benchmark::kMicrosecond);

void BM_LibnovaLunarRst(benchmark::State& state)
{
    OverInstants(state, [](TDateTime t) {
        ln_lnlat_posn observer{-BerlinLongitudeWest, BerlinLatitude};
        ln_rst_time rst;
        const int circumpolar = ln_get_lunar_rst(JulianDay(std::floor(t)), &observer, &rst);
        return rst.transit + circumpolar;
    });
}
BENCHMARK(BM_LibnovaLunarRst)->Unit(benchmark::kMicrosecond);

int YearOf(TDateTime t) { return astro::DateTimeToCalendar(t).Year; }

void BM_FourSeasons(benchmark::State& state)
{
    OverInstants(state, [](TDateTime t) {
        const int year = YearOf(t);
        return astro::SeasonBegin(year, astro::ssSpring) + astro::SeasonBegin(year, astro::ssSummer) +
               astro::SeasonBegin(year, astro::ssAutumn) + astro::SeasonBegin(year, astro::ssWinter);
    });
}
BENCHMARK(BM_FourSeasons)->Unit(benchmark::kMicrosecond);

void BM_EightSunPositions(benchmark::State& state)
{
    OverInstants(state, [](TDateTime t) {
        double sum = 0.0;
        for (int i = 0; i < 8; ++i)
            sum += astro::SunPosition(t + 45.6 * i).Longitude;
        return sum;
    });
}
BENCHMARK(BM_EightSunPositions)->Unit(benchmark::kMicrosecond);

// The new year needs the winter solstice and the principal terms after it.
void BM_ChineseNewYear(benchmark::State& state)
{
    OverInstants(state, [](TDateTime t) { return astro::ChineseNewYearOf(YearOf(t)); });
}
BENCHMARK(BM_ChineseNewYear)->Unit(benchmark::kMicrosecond);

}  // namespace
