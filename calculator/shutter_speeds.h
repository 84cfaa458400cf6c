#pragma once
// The shutter speeds of the exposure page's lists, with the time each item states.

#include <QStringList>
#include <QtGlobal>

class TControl;

struct TShutterSpeed {
    const char* name;  // as the list shows it; with a word, a source text of the ShutterSpeeds context
    double seconds;    // the time the name states, exactly
};

// Fastest first; both shutter lists of the exposure page hold these 54 items.
inline constexpr TShutterSpeed ShutterSpeeds[] = {
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "1/4000th"), 1.0 / 4000},
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "1/3200th"), 1.0 / 3200},
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "1/2500th"), 1.0 / 2500},  //  0
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "1/2000th"), 1.0 / 2000},
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "1/1600th"), 1.0 / 1600},
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "1/1250th"), 1.0 / 1250},  //  3
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "1/1000th"), 1.0 / 1000},
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "1/800th"), 1.0 / 800},
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "1/640th"), 1.0 / 640},  //  6
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "1/500th"), 1.0 / 500},
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "1/400th"), 1.0 / 400},
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "1/320th"), 1.0 / 320},  //  9
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "1/250th"), 1.0 / 250},
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "1/200th"), 1.0 / 200},
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "1/160th"), 1.0 / 160},  // 12
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "1/125th"), 1.0 / 125},
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "1/100th"), 1.0 / 100},
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "1/80th"), 1.0 / 80},  // 15
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "1/60th"), 1.0 / 60},
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "1/50th"), 1.0 / 50},
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "1/40th"), 1.0 / 40},  // 18
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "1/30th"), 1.0 / 30},
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "1/25th"), 1.0 / 25},
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "1/20th"), 1.0 / 20},  // 21
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "1/15th"), 1.0 / 15},
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "1/13th"), 1.0 / 13},
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "1/10th"), 1.0 / 10},  // 24
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "1/8th"), 1.0 / 8},
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "1/6th"), 1.0 / 6},
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "1/5th"), 1.0 / 5},  // 27
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "1/4th"), 1.0 / 4},
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "1/3rd"), 1.0 / 3},
    {"1/2.5", 1.0 / 2.5},  // 30
    {"1/2", 1.0 / 2},
    {"1/1.6", 1.0 / 1.6},
    {"1/1.3", 1.0 / 1.3},  // 33
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "1 sec"), 1},
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "1.3 sec"), 1.3},
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "1.6 sec"), 1.6},  // 36
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "2 sec"), 2},
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "2.5 sec"), 2.5},
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "3.2 sec"), 3.2},  // 39
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "4 sec"), 4},
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "5 sec"), 5},
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "6 sec"), 6},  // 42
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "8 sec"), 8},
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "10 sec"), 10},
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "13 sec"), 13},  // 45
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "15 sec"), 15},
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "30 sec"), 30},
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "60 sec"), 60},  // 48
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "120 sec"), 120},
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "180 sec"), 180},
    {QT_TRANSLATE_NOOP("ShutterSpeeds", "240 sec"), 240},  // 51
};

// Both lists start on "1/400th".
constexpr int DefaultShutterSpeed = 10;

// The names of ShutterSpeeds in the user's language, for a shutter list.
QStringList ShutterSpeedNames();

// The time in seconds of the item selected in a shutter list.
// Throws EInputError "Sender is not an TComboBox!" for a control that is not a list, and
// "Item index = <index>" when nothing valid is selected.
double ShutterSeconds(const TControl& list);
