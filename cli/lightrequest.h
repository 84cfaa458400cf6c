#pragma once
// The options of `shutterly --light` as the user typed them. The command line only collects
// them; cli/lightcommand.h reads and checks them, so that every refusal names its option in
// one place and is tested without a display.

#include <QString>

struct TLightRequest {
    // An option the user did not give is a null text; one given empty ("--zone=") is empty.
    QString Place;   // "LAT,LON" (north and east positive), a stored location or a place name
    QString Date;    // YYYY-MM-DD, the place's local date
    QString Days;    // how many days from Date
    QString Zone;    // an IANA zone id
    QString Format;  // "text", "csv" or "ics"
    // The settings file whose stored locations a place name may name.
    QString SettingsFile;
};
