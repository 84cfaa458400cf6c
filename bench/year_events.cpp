// The year's event list as the More Data window computes it for one location and instant:
// four season starts, next perigee, apogee, perihelion and aphelion, next solar and lunar
// eclipse, Easter, Passover, the Chinese New Year with its zodiac branch, and the sun's and
// the moon's rise, transit and set of the day. The target is under 5 ms per list.
// The breakdown benchmarks time each block on its own to show where the time goes.

#include "astro/apsides.h"
#include "astro/calendar.h"
#include "astro/chinese_calendar.h"
#include "astro/eclipses.h"
#include "astro/errors.h"
#include "astro/feasts.h"
#include "astro/phases.h"
#include "astro/riseset.h"
#include "astro/seasons.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>

namespace {

using astro::TDateTime;

// Berlin: latitude north, longitude positive west.
constexpr double Latitude = 52.52;
constexpr double Longitude = -13.40;

// Instants spread over several years and times of day, so that no one lunation, eclipse
// season or leap-month pattern decides the figure.
std::array<TDateTime, 16> SampleInstants() {
    std::array<TDateTime, 16> instants{};
    const TDateTime first = astro::CalendarToDateTime(2019, 1, 7) + 0.3;
    for (std::size_t i = 0; i < instants.size(); ++i) instants[i] = first + 131.37 * i;
    return instants;
}

struct TYearEvents {
    std::array<TDateTime, 4> Seasons;
    TDateTime Perigee, Apogee, Perihelion, Aphelion;
    TDateTime SolarEclipse, LunarEclipse;
    astro::TEclipse SolarType, LunarType;
    TDateTime Easter, Passover, ChineseNewYear;
    std::uint8_t ChineseBranch;
    std::array<TDateTime, 3> Moon;  // rise, transit, set; NaN where the window shows "---"
    std::array<TDateTime, 3> Sun;
};

int YearOf(TDateTime u) {
    return astro::DateTimeToCalendar(u).Year;
}

std::array<TDateTime, 4> Seasons(int year) {
    return {astro::SeasonBegin(year, astro::ssSpring), astro::SeasonBegin(year, astro::ssSummer),
            astro::SeasonBegin(year, astro::ssAutumn), astro::SeasonBegin(year, astro::ssWinter)};
}

astro::TEclipse NextEclipse(TDateTime& t, bool sun) {
    for (;;) {
        const astro::TEclipse type = astro::FindEclipseAfter(t, sun);
        if (type != astro::ecNone) return type;
        t += 28;
    }
}

using TRiseSetFunction = TDateTime (*)(TDateTime, double, double);

// The window's day rule: the event of the day itself, looked for from the day, the day after
// and the day before; any failure ends the body's block.
std::array<TDateTime, 3> DayEvents(TDateTime day, const std::array<TRiseSetFunction, 3>& events) {
    std::array<TDateTime, 3> result{NAN, NAN, NAN};
    try {
        for (std::size_t i = 0; i < events.size(); ++i) {
            TDateTime r = events[i](day, Latitude, Longitude);
            if (std::trunc(r) < day) r = events[i](day + 1, Latitude, Longitude);
            if (std::trunc(r) > day) r = events[i](day - 1, Latitude, Longitude);
            if (std::trunc(r) == day) result[i] = r;
        }
    } catch (const astro::EAstroError&) {
    }
    return result;
}

std::array<TDateTime, 3> MoonDayEvents(TDateTime day) {
    return DayEvents(day, {astro::MoonRiseTime, astro::MoonTransitTime, astro::MoonSetTime});
}

std::array<TDateTime, 3> SunDayEvents(TDateTime day) {
    return DayEvents(day, {astro::SunRiseTime, astro::SunTransitTime, astro::SunSetTime});
}

TYearEvents YearEvents(TDateTime u) {
    TYearEvents events{};
    const int year = YearOf(u);
    events.Seasons = Seasons(year);
    events.Perigee = astro::PerigeeAfter(u);
    events.Apogee = astro::ApogeeAfter(u);
    events.Perihelion = astro::PerihelionAfter(u);
    events.Aphelion = astro::AphelionAfter(u);
    events.SolarEclipse = u;
    events.SolarType = NextEclipse(events.SolarEclipse, true);
    events.LunarEclipse = u;
    events.LunarType = NextEclipse(events.LunarEclipse, false);
    events.Easter = astro::DateTimeToDisplay(astro::EasterDate(year));
    events.Passover = astro::DateTimeToDisplay(astro::PassoverDate(year));
    const TDateTime newYear = astro::ChineseNewYearOf(year);
    events.ChineseNewYear = astro::DateTimeToDisplay(newYear);
    events.ChineseBranch = astro::ChineseDateOf(newYear).YearBranch;
    const TDateTime day = std::trunc(u);
    events.Moon = MoonDayEvents(day);
    events.Sun = SunDayEvents(day);
    return events;
}

// Runs body on each sample instant in turn.
template <typename Body>
void RunOverInstants(benchmark::State& state, Body body) {
    const std::array<TDateTime, 16> instants = SampleInstants();
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(body(instants[i]));
        i = (i + 1) % instants.size();
    }
}

void BM_YearEventList(benchmark::State& state) {
    RunOverInstants(state, YearEvents);
}
BENCHMARK(BM_YearEventList)->Unit(benchmark::kMillisecond);

void BM_Seasons(benchmark::State& state) {
    RunOverInstants(state, [](TDateTime u) { return Seasons(YearOf(u)); });
}
BENCHMARK(BM_Seasons)->Unit(benchmark::kMicrosecond);

void BM_OrbitEvents(benchmark::State& state) {
    RunOverInstants(state, [](TDateTime u) {
        return astro::PerigeeAfter(u) + astro::ApogeeAfter(u) + astro::PerihelionAfter(u) +
               astro::AphelionAfter(u);
    });
}
BENCHMARK(BM_OrbitEvents)->Unit(benchmark::kMicrosecond);

void BM_NextEclipses(benchmark::State& state) {
    RunOverInstants(state, [](TDateTime u) {
        TDateTime solar = u;
        TDateTime lunar = u;
        return NextEclipse(solar, true) + NextEclipse(lunar, false) + solar + lunar;
    });
}
BENCHMARK(BM_NextEclipses)->Unit(benchmark::kMicrosecond);

void BM_EasterPassover(benchmark::State& state) {
    RunOverInstants(state, [](TDateTime u) {
        const int year = YearOf(u);
        return astro::EasterDate(year) + astro::PassoverDate(year);
    });
}
BENCHMARK(BM_EasterPassover)->Unit(benchmark::kMicrosecond);

void BM_ChineseNewYear(benchmark::State& state) {
    RunOverInstants(state, [](TDateTime u) { return astro::ChineseNewYearOf(YearOf(u)); });
}
BENCHMARK(BM_ChineseNewYear)->Unit(benchmark::kMicrosecond);

void BM_ChineseZodiacOfNewYear(benchmark::State& state) {
    RunOverInstants(state, [](TDateTime u) {
        return astro::ChineseDateOf(astro::ChineseNewYearOf(YearOf(u))).YearBranch;
    });
}
BENCHMARK(BM_ChineseZodiacOfNewYear)->Unit(benchmark::kMicrosecond);

void BM_MoonRiseTransitSet(benchmark::State& state) {
    RunOverInstants(state, [](TDateTime u) { return MoonDayEvents(std::trunc(u)); });
}
BENCHMARK(BM_MoonRiseTransitSet)->Unit(benchmark::kMicrosecond);

void BM_SunRiseTransitSet(benchmark::State& state) {
    RunOverInstants(state, [](TDateTime u) { return SunDayEvents(std::trunc(u)); });
}
BENCHMARK(BM_SunRiseTransitSet)->Unit(benchmark::kMicrosecond);

// The two searches the Chinese calendar repeats most.
void BM_PrincipalTermBefore(benchmark::State& state) {
    RunOverInstants(state, [](TDateTime u) { return astro::PrincipalTermBefore(u); });
}
BENCHMARK(BM_PrincipalTermBefore)->Unit(benchmark::kMicrosecond);

void BM_NewMoonAfter(benchmark::State& state) {
    RunOverInstants(state, [](TDateTime u) { return astro::PhaseAfter(astro::mpNew, u); });
}
BENCHMARK(BM_NewMoonAfter)->Unit(benchmark::kMicrosecond);

}  // namespace
