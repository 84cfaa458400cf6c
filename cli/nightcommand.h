#pragma once
// `shutterly --night`: the dark sky and the Milky Way's core of a place's nights, printed
// instead of opening a window.

#include "cli/lightcommand.h"
#include "cli/nightrequest.h"

class TClock;

// Checks the request and computes its nights, as RunLightCommand does its days: the nights of
// the place's local dates from Date (default: its date now by `clock`) on, Days of them
// (1..366), in Format "text" (default) or "csv" (cli/nightcsv.h). MoonLitBelow (0..100 per
// cent) lets a fainter moon count as down; CoreAltitude (0..90 degrees, default 10) is the
// core's lowest altitude. Exit codes and refusals as RunLightCommand's.
TLightAnswer RunNightCommand(const TNightRequest& request, const TClock& clock);
