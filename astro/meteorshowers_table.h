#pragma once
// The major annual meteor showers.
// Source: the International Meteor Organization's Meteor Shower Calendar, its working list of
// visual meteor showers (recent editions): the peak as the sun's ecliptic longitude for the
// equinox J2000.0, the zenithal hourly rate at the peak and the radiant at the peak (J2000.0).
// The Draconids' rate is variable; the list gives 10 for an ordinary return.

namespace astro {

struct TMeteorShower {
    const char* Name;       // English name; the windows show their own translations
    double SolarLongitude;  // degrees, J2000.0
    int ZenithalHourlyRate;
    double RightAscension;  // degrees, J2000.0
    double Declination;     // degrees, J2000.0
};

inline constexpr TMeteorShower MeteorShowers[] = {
    {"Quadrantids", 283.15, 80, 230, 49}, {"Lyrids", 32.32, 18, 271, 34},
    {"Eta Aquariids", 45.5, 50, 338, -1}, {"Southern Delta Aquariids", 127, 25, 340, -16},
    {"Perseids", 140.0, 100, 48, 58},     {"Draconids", 195.4, 10, 262, 54},
    {"Orionids", 208, 20, 95, 16},        {"Leonids", 235.27, 15, 152, 22},
    {"Geminids", 262.2, 150, 112, 33},    {"Ursids", 270.7, 10, 217, 76},
};

inline constexpr int MeteorShowerCount = int(sizeof(MeteorShowers) / sizeof(MeteorShowers[0]));

}  // namespace astro
