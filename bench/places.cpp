// The offline place table: reading the built-in table (time, and the resident memory it adds)
// and the look-ups a search box and a map click make. Targets: loading under 50 ms and 15 MB,
// each look-up under 1 ms.

#include "places/foundplaces.h"
#include "places/placetable.h"

#include <benchmark/benchmark.h>

#include <QResource>

#include <algorithm>
#include <fstream>
#include <unistd.h>

namespace {

// Resident memory of this process in MB, from /proc/self/statm (second field, in pages).
double ResidentMegabytes()
{
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return double(resident) * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

QByteArray BuiltInText() { return QResource(QStringLiteral(":/places/data/places.tsv")).uncompressedData(); }

// Runs first, so that the first use of the built-in table is the one measured for memory;
// the timed loop then reads the resource and builds a table as that first use does.
void BM_LoadBuiltIn(benchmark::State& state)
{
    // The benchmark library calls this more than once; only the first call sees the table new.
    static const double before = ResidentMegabytes();
    static const int places = TPlaceTable::BuiltIn().size();
    static const double after = ResidentMegabytes();
    for (auto _ : state) {
        const TPlaceTable table(BuiltInText());
        benchmark::DoNotOptimize(table.size());
    }
    state.counters["places"] = places;
    state.counters["resident_MB"] = after - before;
}
BENCHMARK(BM_LoadBuiltIn)->Unit(benchmark::kMillisecond);

void BM_Find(benchmark::State& state, const char* query)
{
    const TPlaceTable& table = TPlaceTable::BuiltIn();
    const QString text = QString::fromUtf8(query);
    qsizetype found = 0;
    for (auto _ : state) {
        found = table.Find(text, 10).size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["found"] = double(found);
}
BENCHMARK_CAPTURE(BM_Find, exact_Denver, "Denver")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Find, folded_tromso, "tromso")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Find, prefix_san, "san")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Find, prefix_s, "s")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Find, narrowed_Berlin_DE, "Berlin, DE")->Unit(benchmark::kMicrosecond);
// As a search box types it, a letter at a time, and a later word of names.
BENCHMARK_CAPTURE(BM_Find, typing_t, "t")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Find, typing_tr, "tr")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Find, typing_trom, "trom")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Find, later_word_main, "main")->Unit(benchmark::kMicrosecond);

void BM_Nearest(benchmark::State& state, double latitude, double longitudeWest)
{
    const TPlaceTable& table = TPlaceTable::BuiltIn();
    for (auto _ : state) {
        benchmark::DoNotOptimize(table.Nearest(latitude, longitudeWest));
    }
}
BENCHMARK_CAPTURE(BM_Nearest, Berlin, 52.52, -13.41)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Nearest, antimeridian_Fiji, -18.3, -179.999)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Nearest, north_pole, 90.0, 0.0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Nearest, south_pole, -90.0, 0.0)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Nearest, mid_Pacific, -30.0, 130.0)->Unit(benchmark::kMicrosecond);

// What the location editor does for a keystroke: the search of the whole text typed so far, its
// list model reset, and the texts of the rows the drop-down shows.
void BM_Keystroke(benchmark::State& state, const char* typed)
{
    TFoundPlaces found(TPlaceTable::BuiltIn());
    const QString text = QString::fromUtf8(typed);
    for (auto _ : state) {
        found.setQuery(text);
        for (int row = 0; row < std::min(found.rowCount(), 12); ++row)
            benchmark::DoNotOptimize(found.data(found.index(row, 0)));
        state.PauseTiming();
        found.setQuery(QString());
        state.ResumeTiming();
    }
}
BENCHMARK_CAPTURE(BM_Keystroke, s, "s")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Keystroke, t, "t")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Keystroke, tr, "tr")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Keystroke, trom, "trom")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Keystroke, san, "san")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_Keystroke, frankfurt_am, "frankfurt am")->Unit(benchmark::kMicrosecond);

void BM_NamingPlace(benchmark::State& state, double latitude, double longitudeWest)
{
    const TPlaceTable& table = TPlaceTable::BuiltIn();
    for (auto _ : state) {
        benchmark::DoNotOptimize(table.NamingPlace(latitude, longitudeWest));
    }
}
BENCHMARK_CAPTURE(BM_NamingPlace, Berlin, 52.52, -13.405)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_NamingPlace, Manhattan, 40.7128, 74.006)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_NamingPlace, north_pole, 90.0, 0.0)->Unit(benchmark::kMicrosecond);

}  // namespace
