// The location store at start-up and at program end: loading and saving a list of 1,000 to
// 4,000 locations through the settings file. The target is under 50 ms for 4,000 locations,
// each of loading and saving, and under a second for saving 100,000 locations read from a file
// with one section deleted by hand.

#include "locations/inifile.h"
#include "locations/location.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

namespace {

TLocationList Places(int count)
{
    TLocationList list;
    for (int i = 0; i < count; ++i)
        list.append({QStringLiteral("Place %1").arg(i), -60.0 + (i % 1200) * 0.1, -170.0 + (i % 3400) * 0.1, i % 3000});
    return list;
}

void BM_LoadLocations(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("shutterly.ini"));
    const TLocationList places = Places(int(state.range(0)));
    SaveLocations(file, &places, 0);
    for (auto _ : state) {
        TLocationList list;
        int index = 0;
        LoadLocations(file, list, index);
        benchmark::DoNotOptimize(list);
    }
}

// Saving over the same list, as the editor's OK and the end of the program do.
void BM_SaveLocations(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("shutterly.ini"));
    const TLocationList places = Places(int(state.range(0)));
    SaveLocations(file, &places, 0);
    for (auto _ : state)
        SaveLocations(file, &places, 1);
}

// Saving into a file without locations, as the first save does.
void BM_SaveLocationsIntoEmptyFile(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("shutterly.ini"));
    const TLocationList places = Places(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        QFile::remove(file);
        state.ResumeTiming();
        SaveLocations(file, &places, 0);
    }
}

// A long list with one section deleted by hand: every place after the gap moves down a number
// and the last section goes, as the editor's OK does.
void BM_SaveLocationsAfterAGap(benchmark::State& state)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("shutterly.ini"));
    const TLocationList places = Places(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        SaveLocations(file, &places, 0);
        {
            TIniFile withGap(file);
            withGap.EraseSection(QStringLiteral("Location50"));
        }
        TLocationList loaded;
        int index = 0;
        LoadLocations(file, loaded, index);
        state.ResumeTiming();
        SaveLocations(file, &loaded, index);
    }
}

}  // namespace

BENCHMARK(BM_LoadLocations)->Arg(1000)->Arg(2000)->Arg(4000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveLocations)->Arg(1000)->Arg(2000)->Arg(4000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveLocationsIntoEmptyFile)->Arg(1000)->Arg(2000)->Arg(4000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveLocationsAfterAGap)->Arg(4000)->Arg(100000)->Unit(benchmark::kMillisecond);
