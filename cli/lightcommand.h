#pragma once
// `shutterly --light`: the light of a place's local days, printed instead of opening a window.

#include "cli/lightrequest.h"

#include <QString>

class TClock;

struct TLightAnswer {
    // 0 when the light was computed; 2 for an option it cannot follow; 1 when the almanac
    // cannot compute the light of a day it was asked for.
    int ExitCode = 0;
    QString Output;  // for standard output
    QString Error;   // for standard error: lines that end in a line break, or nothing
};

// Checks the request and computes the light of its days. The days are the place's civil days
// from Date (default: the day it is there now by `clock`) on, Days of them (1..366, default 1),
// in Format "text" (default), "csv" (cli/lightcsv.h) or "ics" (cli/lightics.h, made at the
// clock's instant). Each refusal is one line that names its option. Needs no application
// object; the place table comes from the program's resources.
TLightAnswer RunLightCommand(const TLightRequest& request, const TClock& clock);

// The most days one run takes: a year and its leap day.
inline constexpr int MostLightDays = 366;
