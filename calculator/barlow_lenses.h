#pragma once
// The Barlow lenses of the telescope calculator.

#include <QtGlobal>

struct TBarlowLens {
    const char* name;  // as the list shows it; a word is a source text of the BarlowLenses context
    double factor;     // focal-length multiplier
};

inline constexpr TBarlowLens BarlowLenses[] = {
    {QT_TRANSLATE_NOOP("BarlowLenses", "1x (ie. no Barlow lens)"), 1},
    {"1.2x", 1.2},
    {"1.4x", 1.4},
    {"1.5x", 1.5},
    {"1.6x", 1.6},
    {"1.8x", 1.8},
    {"2.0x", 2.0},
    {"2.2x", 2.2},
    {"2.4x", 2.4},
    {"2.5x", 2.5},
    {"2.6x", 2.6},
    {"2.8x", 2.8},
    {"3.0x", 3.0},
};
