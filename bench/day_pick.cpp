// A day picked in the More Data window's date field: the window logic, headless, recomputes its
// values for that day. The clock moves on a second between picks, as it does while a user picks.
// The target is under 0.4 ms for a day of the year already shown.

#include "astro/calendar.h"
#include "calculator/frmmain.h"
#include "controls/clock.h"
#include "moredata/frmmore.h"

#include <benchmark/benchmark.h>

#include <QDate>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <vector>

namespace {

// One stored location, Berlin with its zone (seconds of arc; longitude positive west).
const QByteArray Settings("[Current]\nIndex=0\n[Location0]\nName=Berlin\nLongitude=-48240\nLatitude=189072\n"
                          "Elevation=0\nTimeZone=Europe/Berlin\n");

// Picks the days in turn, over and over, each a second of the clock after the one before.
void RunPicks(benchmark::State& state, const std::vector<QDate>& days)
{
    QTemporaryDir folder;
    const QString settingsFile = folder.filePath(QStringLiteral("shutterly.ini"));
    QFile file(settingsFile);
    if (!file.open(QIODevice::WriteOnly) || file.write(Settings) != Settings.size()) {
        state.SkipWithError("cannot write the settings file");
        return;
    }
    file.close();
    TFixedClock clock(astro::CalendarToDateTime(2026, 12, 8) + 0.3, -60);
    TFrmMain calculator(clock);
    calculator.FormCreate();
    Tfrm_more more(calculator, clock, settingsFile);
    std::size_t i = 0;
    for (auto _ : state) {
        clock.advanceSeconds(1);
        more.dtp_day.setDate(days[i]);
        i = (i + 1) % days.size();
    }
}

// Days spread over one year, in each season and on both sides of the equinoxes and eclipses.
void BM_PickDayOfTheSameYear(benchmark::State& state)
{
    RunPicks(state, {QDate(2027, 1, 14), QDate(2027, 3, 29), QDate(2027, 5, 6), QDate(2027, 8, 2), QDate(2027, 9, 23),
                     QDate(2027, 11, 30)});
}
BENCHMARK(BM_PickDayOfTheSameYear)->Unit(benchmark::kMicrosecond);

// Every pick a day of another year: the year's seasons and feasts are computed anew.
void BM_PickDayOfAnotherYear(benchmark::State& state)
{
    std::vector<QDate> days;
    for (int year = 2020; year < 2036; ++year)
        days.push_back(QDate(year, 1 + year % 12, 1 + year % 28));
    RunPicks(state, days);
}
BENCHMARK(BM_PickDayOfAnotherYear)->Unit(benchmark::kMicrosecond);

}  // namespace
