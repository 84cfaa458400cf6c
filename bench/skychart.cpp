// The planner's sky chart: the positions of a day (the sun, the moon and the Milky Way's core
// every ten minutes) and one drawing of the chart at a window's size.

#include "astro/calendar.h"
#include "planner/skychartview.h"
#include "planner/skyday.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QTimeZone>

namespace {

TLocalDay BerlinDay(int month, int day)
{
    return TPlaceZone(QTimeZone("Europe/Berlin")).day(astro::CalendarToDateTime(2027, month, day));
}

void BM_SkyDay(benchmark::State& state)
{
    const TLocalDay day = BerlinDay(6, 21);
    for (auto _ : state)
        benchmark::DoNotOptimize(ComputeSkyDay(day, 52.52, -13.405));
}
BENCHMARK(BM_SkyDay)->Unit(benchmark::kMillisecond);

void BM_DrawChart(benchmark::State& state)
{
    static int argc = 1;
    static char name[] = "bench_skychart";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    const TPlaceZone zone(QTimeZone("Europe/Berlin"));
    const TSkyDay sky = ComputeSkyDay(BerlinDay(12, 21), 52.52, -13.405);
    TSkyChart chart;
    chart.resize(900, 480);
    chart.setSky(&sky, &zone);
    chart.setPicked((sky.Day.Start + sky.Day.End) / 2);
    QImage canvas(chart.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        chart.render(&canvas);
        benchmark::DoNotOptimize(canvas.constBits());
    }
}
BENCHMARK(BM_DrawChart)->Unit(benchmark::kMillisecond);

}  // namespace
