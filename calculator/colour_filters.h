#pragma once
// Colour-temperature presets and the conversion filters that correct between them.

#include <QStringList>
#include <span>

// A named colour temperature as the lists show it.
struct TColourTemperature {
    const char* name;
    double kelvin;
};

// The balance of the film or sensor.
inline constexpr TColourTemperature FilmTypes[] = {
    {"daylight 5500K", 5500},
    {"photofloods 3400K", 3400},
    {"tungsten 3200K", 3200},
};

// Light sources, bluest first.
inline constexpr TColourTemperature LightSources[] = {
    {"clear blue sky ~10000K", 10000},           //  0
    {"hazy blue sky ~8000K", 8000},              //  1
    {"light overcast sky ~7200K", 7200},         //  2
    {"heavy overcast 6500K", 6500},              //  3
    {"\"daylight\" flourescent 6500K", 6500},    //  4
    {"direct sunlight 10am-3pm 6000K", 6000},    //  5
    {"direct sunlight midday 5500K", 5500},      //  6
    {"electronic flash 5500K", 5500},            //  7
    {"blue photoflood 4800K", 4800},             //  8
    {"\"cool white\" flourescent 4500K", 4500},  //  9
    {"clear flash lamp 4200K", 4200},            // 10
    {"\"warm white\" flourescent 3500K", 3500},  // 11
    {"photofloods 3400K", 3400},                 // 12
    {"studio lamps 3200K", 3200},                // 13
    {"1000W tungsten 3000K", 3000},              // 14
    {"500W tungsten 2950K", 2950},               // 15
    {"100W tungsten 2860K", 2860},               // 16
    {"40W tungsten 2760K", 2760},                // 17
    {"candle flame 1500K", 1500},                // 18
};

// One conversion filter. A blue filter applies while the mired shift is below `threshold` and
// raises the shift by `mireds`; an amber filter applies while it is above and lowers it.
struct TColourFilter {
    const char* text;  // appended to the filter list exactly, spaces included
    int threshold;     // mireds
    int mireds;        // mireds the filter removes
    double stops;      // exposure compensation it costs
};

// Blue filters, tried strongest first.
inline constexpr TColourFilter BlueFilters[] = {
    {" 80A ", -130, 131, 2.33}, {" 80B ", -111, 112, 2}, {"80C", -80, 81, 1},    {"80D", -55, 56, 1},
    {"82C", -44, 45, 0.67},     {"82B", -31, 32, 0.67},  {"82A", -20, 21, 0.33}, {"82", -6, 10, 0.33},
};

// Amber filters, tried strongest first.
inline constexpr TColourFilter AmberFilters[] = {
    {" 81D ", 41, 42, 0.67}, {" 81C ", 34, 35, 0.33}, {" 81B ", 26, 27, 0.33},
    {" 81A ", 17, 18, 0.33}, {" 81 ", 6, 9, 0.33},
};

// The names of a preset table, in order, for a list control.
QStringList ColourTemperatureNames(std::span<const TColourTemperature> presets);

// The filters that bring a mired shift back to within six mireds of zero, and their cost.
struct TFilterChoice {
    QString filters;  // e.g. " 81D + 81C (yellowish)"; the tint word follows even with no filter
    double stops = 0;
    int count = 0;
};
TFilterChoice FiltersForShift(int miredShift);
