#pragma once
// Colour-temperature presets and the conversion filters that correct between them.

#include <QStringList>
#include <QtGlobal>
#include <span>

// A named colour temperature as the lists show it.
struct TColourTemperature {
    const char* name;  // source text of the ColourFilters context
    double kelvin;
};

// The balance of the film or sensor.
inline constexpr TColourTemperature FilmTypes[] = {
    {QT_TRANSLATE_NOOP("ColourFilters", "daylight 5500K"), 5500},
    {QT_TRANSLATE_NOOP("ColourFilters", "photofloods 3400K"), 3400},
    {QT_TRANSLATE_NOOP("ColourFilters", "tungsten 3200K"), 3200},
};

// Light sources, bluest first.
inline constexpr TColourTemperature LightSources[] = {
    {QT_TRANSLATE_NOOP("ColourFilters", "clear blue sky ~10000K"), 10000},           //  0
    {QT_TRANSLATE_NOOP("ColourFilters", "hazy blue sky ~8000K"), 8000},              //  1
    {QT_TRANSLATE_NOOP("ColourFilters", "light overcast sky ~7200K"), 7200},         //  2
    {QT_TRANSLATE_NOOP("ColourFilters", "heavy overcast 6500K"), 6500},              //  3
    {QT_TRANSLATE_NOOP("ColourFilters", "\"daylight\" flourescent 6500K"), 6500},    //  4
    {QT_TRANSLATE_NOOP("ColourFilters", "direct sunlight 10am-3pm 6000K"), 6000},    //  5
    {QT_TRANSLATE_NOOP("ColourFilters", "direct sunlight midday 5500K"), 5500},      //  6
    {QT_TRANSLATE_NOOP("ColourFilters", "electronic flash 5500K"), 5500},            //  7
    {QT_TRANSLATE_NOOP("ColourFilters", "blue photoflood 4800K"), 4800},             //  8
    {QT_TRANSLATE_NOOP("ColourFilters", "\"cool white\" flourescent 4500K"), 4500},  //  9
    {QT_TRANSLATE_NOOP("ColourFilters", "clear flash lamp 4200K"), 4200},            // 10
    {QT_TRANSLATE_NOOP("ColourFilters", "\"warm white\" flourescent 3500K"), 3500},  // 11
    {QT_TRANSLATE_NOOP("ColourFilters", "photofloods 3400K"), 3400},                 // 12
    {QT_TRANSLATE_NOOP("ColourFilters", "studio lamps 3200K"), 3200},                // 13
    {QT_TRANSLATE_NOOP("ColourFilters", "1000W tungsten 3000K"), 3000},              // 14
    {QT_TRANSLATE_NOOP("ColourFilters", "500W tungsten 2950K"), 2950},               // 15
    {QT_TRANSLATE_NOOP("ColourFilters", "100W tungsten 2860K"), 2860},               // 16
    {QT_TRANSLATE_NOOP("ColourFilters", "40W tungsten 2760K"), 2760},                // 17
    {QT_TRANSLATE_NOOP("ColourFilters", "candle flame 1500K"), 1500},                // 18
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

// The names of a preset table, in order, for a list control, in the user's language.
QStringList ColourTemperatureNames(std::span<const TColourTemperature> presets);

// The filters that bring a mired shift back to within six mireds of zero, and their cost.
struct TFilterChoice {
    QString filters;  // e.g. " 81D + 81C (yellowish)"; the tint word, translated, follows even with no filter
    double stops = 0;
    int count = 0;
};
TFilterChoice FiltersForShift(int miredShift);
