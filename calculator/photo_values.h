#pragma once
// The additive exposure values shared by every page of the calculator (APEX: Ev = Av + Tv = Sv + Lv).

#include <QString>

// log2(1 / seconds) rounded to 1 decimal. Throws "Exposure time cannot be zero".
double TimeValue(double seconds);
// 2^-value seconds, unrounded.
double SecondsFromValue(double value);
// 2 log2(N) rounded to 1 decimal. Throws "F ratio cannot be zero".
double ApertureValue(double fRatio);
// sqrt(2)^value rounded to 1 decimal.
double FRatioFromValue(double value);
// log2(ISO / 3.125) rounded to 1 decimal (ISO 100 gives 5). Throws "ISO cannot be zero".
double SpeedValue(double iso);
// "zero", "2.83 sec" for a second or more, otherwise "1/<whole reciprocal> sec", in the user's
// language.
QString ShutterTimeText(double seconds);
