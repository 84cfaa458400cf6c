#pragma once
// The options of `shutterly --night` as the user typed them: those it shares with --light, and
// its own two. cli/nightcommand.h reads and checks them.

#include "cli/lightrequest.h"

#include <QString>

struct TNightRequest {
    TLightRequest Days;    // place, date, days, zone, format ("text" or "csv") and settings file
    QString MoonLitBelow;  // per cent: a moon lit less than this counts as down; null: off
    QString CoreAltitude;  // degrees above the horizon the core must stand; null: 10
};
