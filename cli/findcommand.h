#pragma once
// `shutterly --find TEXT [--limit N]`: the places of the built-in table whose name matches,
// printed for scripts instead of opening a window.

#include <QString>

class TPlaceTable;

struct TFindAnswer {
    // 0 with matches; 1 when nothing matches; 2 for a limit it cannot take.
    int ExitCode = 0;
    QString Output;  // one line per place
    QString Error;   // one line, or nothing
};

// The most places one run prints.
inline constexpr int MostFoundPlaces = 1000;

// The matches of TPlaceTable::Find for `text`, at most `limit` (as typed; empty: 10) of them,
// one per line: name, region, country code, latitude (north +), longitude (EAST +), zone and
// population, parted by tabs; the coordinates in decimal degrees.
TFindAnswer RunFindCommand(const QString& text, const QString& limit, const TPlaceTable& table);
