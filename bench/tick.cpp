// One second of the almanac clock: the moon window's timer tick with the windows connected as
// the program connects them, headless (the pictures are QImages, no views). The target is
// under 60 microseconds per tick in normal mode.

#include "astro/calendar.h"
#include "calculator/frmmain.h"
#include "controls/clock.h"
#include "locations/frmlocations.h"
#include "moonwindow/frmutc.h"
#include "moonwindow/mainform.h"
#include "moredata/frmmore.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

// One stored location, Berlin (seconds of arc; longitude positive west).
const QByteArray Settings("[Current]\nIndex=0\n[Location0]\nName=Berlin\nLongitude=-48240\nLatitude=189072\n"
                          "Elevation=0\n");

void RunTicks(benchmark::State& state, bool fast)
{
    QTemporaryDir folder;
    const QString settingsFile = folder.filePath(QStringLiteral("shutterly.ini"));
    QFile file(settingsFile);
    if (!file.open(QIODevice::WriteOnly) || file.write(Settings) != Settings.size()) {
        state.SkipWithError("cannot write the settings file");
        return;
    }
    file.close();
    TFixedClock clock(astro::CalendarToDateTime(2026, 12, 8) + 0.6, -60);
    TFrmMain calculator(clock);
    calculator.FormCreate();
    TMainForm moon(calculator, clock, settingsFile);
    moon.FormCreate();
    Tfrm_more more(calculator, clock, settingsFile);
    Tfrm_locations locations(settingsFile);
    Tfrm_utc utc(clock);
    moon.connectWindows(&more, &locations, &utc);
    calculator.connectWindows(&moon, &more, &locations);
    if (fast)
        moon.mnu_fastClick();
    for (auto _ : state) {
        clock.advanceSeconds(1);
        moon.TimerTimer();
    }
}

void BM_Tick(benchmark::State& state) { RunTicks(state, false); }
BENCHMARK(BM_Tick)->Unit(benchmark::kMicrosecond);

// One shown hour a second: every tick is a new sun position and, now and then, a new lunation.
void BM_TickFastMode(benchmark::State& state) { RunTicks(state, true); }
BENCHMARK(BM_TickFastMode)->Unit(benchmark::kMicrosecond);

}  // namespace
