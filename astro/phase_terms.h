#pragma once
// Periodic and planetary terms of the true principal phases of the moon (Meeus, Astronomical
// Algorithms, 2nd ed., ch. 49), in their published order.

#include <cstdint>

namespace astro {

// The tables keep the columns of the published ones.
// clang-format off

// One sine term of the phase corrections: coefficient * E^EPower * sin(argument), with
// argument = m'*M' + m*M + f*F + o*Omega (degrees).
struct TPhaseTerm {
    std::int8_t MoonAnomaly;  // multiple m' of the moon's mean anomaly M'
    std::int8_t SunAnomaly;   // multiple m of the sun's mean anomaly M
    std::int8_t F;            // multiple f of the moon's argument of latitude F
    std::int8_t Omega;        // multiple o of the longitude of the ascending node
    std::uint8_t EPower;      // power of the eccentricity factor E (0, 1 or 2)
};

// New and full moon: the same arguments with slightly different coefficients (days).
struct TNewFullMoonTerm : TPhaseTerm {
    double NewMoon;
    double FullMoon;
};

// First and last quarter (days).
struct TQuarterTerm : TPhaseTerm {
    double Coefficient;
};

// One planetary correction: Coefficient * sin(Constant + PerLunation*K + PerT2*T^2), K the
// lunation count and T = K / 1236.85.
struct TPlanetaryPhaseTerm {
    double Constant;     // degrees
    double PerLunation;  // degrees per lunation
    double PerT2;        // degrees per century squared
    double Coefficient;  // days
};

//   M'  M   F  Om  E      new moon  full moon    argument
inline constexpr TNewFullMoonTerm NewFullMoonTerms[] = {
    {{ 1,  0,  0,  0, 0}, -0.40720, -0.40614},  // M'
    {{ 0,  1,  0,  0, 1},  0.17241,  0.17302},  // M
    {{ 2,  0,  0,  0, 0},  0.01608,  0.01614},  // 2M'
    {{ 0,  0,  2,  0, 0},  0.01039,  0.01043},  // 2F
    {{ 1, -1,  0,  0, 1},  0.00739,  0.00734},  // M' - M
    {{ 1,  1,  0,  0, 1}, -0.00514, -0.00515},  // M' + M
    {{ 0,  2,  0,  0, 2},  0.00208,  0.00209},  // 2M
    {{ 1,  0, -2,  0, 0}, -0.00111, -0.00111},  // M' - 2F
    {{ 1,  0,  2,  0, 0}, -0.00057, -0.00057},  // M' + 2F
    {{ 2,  1,  0,  0, 1},  0.00056,  0.00056},  // 2M' + M
    {{ 3,  0,  0,  0, 0}, -0.00042, -0.00042},  // 3M'
    {{ 0,  1,  2,  0, 1},  0.00042,  0.00042},  // M + 2F
    {{ 0,  1, -2,  0, 1},  0.00038,  0.00038},  // M - 2F
    {{ 2, -1,  0,  0, 1}, -0.00024, -0.00024},  // 2M' - M
    {{ 0,  0,  0,  1, 0}, -0.00017, -0.00017},  // Ω
    {{ 1,  2,  0,  0, 0}, -0.00007, -0.00007},  // M' + 2M
    {{ 2,  0, -2,  0, 0},  0.00004,  0.00004},  // 2M' - 2F
    {{ 0,  3,  0,  0, 0},  0.00004,  0.00004},  // 3M
    {{ 1,  1, -2,  0, 0},  0.00003,  0.00003},  // M' + M - 2F
    {{ 2,  0,  2,  0, 0},  0.00003,  0.00003},  // 2M' + 2F
    {{ 1,  1,  2,  0, 0}, -0.00003, -0.00003},  // M' + M + 2F
    {{ 1, -1,  2,  0, 0},  0.00003,  0.00003},  // M' - M + 2F
    {{ 1, -1, -2,  0, 0}, -0.00002, -0.00002},  // M' - M - 2F
    {{ 3,  1,  0,  0, 0}, -0.00002, -0.00002},  // 3M' + M
    {{ 4,  0,  0,  0, 0},  0.00002,  0.00002},  // 4M'
};

//   M'  M   F  Om  E    coefficient    argument
inline constexpr TQuarterTerm QuarterTerms[] = {
    {{ 1,  0,  0,  0, 0}, -0.62801},  // M'
    {{ 0,  1,  0,  0, 1},  0.17172},  // M
    {{ 1,  1,  0,  0, 1}, -0.01183},  // M' + M
    {{ 2,  0,  0,  0, 0},  0.00862},  // 2M'
    {{ 0,  0,  2,  0, 0},  0.00804},  // 2F
    {{ 1, -1,  0,  0, 1},  0.00454},  // M' - M
    {{ 0,  2,  0,  0, 2},  0.00204},  // 2M
    {{ 1,  0, -2,  0, 0}, -0.00180},  // M' - 2F
    {{ 1,  0,  2,  0, 0}, -0.00070},  // M' + 2F
    {{ 3,  0,  0,  0, 0}, -0.00040},  // 3M'
    {{ 2, -1,  0,  0, 1}, -0.00034},  // 2M' - M
    {{ 0,  1,  2,  0, 1},  0.00032},  // M + 2F
    {{ 0,  1, -2,  0, 1},  0.00032},  // M - 2F
    {{ 1,  2,  0,  0, 2}, -0.00028},  // M' + 2M
    {{ 2,  1,  0,  0, 1},  0.00027},  // 2M' + M
    {{ 0,  0,  0,  1, 0}, -0.00017},  // Ω
    {{ 1, -1, -2,  0, 0}, -0.00005},  // M' - M - 2F
    {{ 2,  0,  2,  0, 0},  0.00004},  // 2M' + 2F
    {{ 1,  1,  2,  0, 0}, -0.00004},  // M' + M + 2F
    {{ 1, -2,  0,  0, 0},  0.00004},  // M' - 2M
    {{ 1,  1, -2,  0, 0},  0.00003},  // M' + M - 2F
    {{ 0,  3,  0,  0, 0},  0.00003},  // 3M
    {{ 2,  0, -2,  0, 0},  0.00002},  // 2M' - 2F
    {{ 1, -1,  2,  0, 0},  0.00002},  // M' - M + 2F
    {{ 3,  1,  0,  0, 0}, -0.00002},  // 3M' + M
};

//  constant  per lunation  per T^2   coefficient   term
inline constexpr TPlanetaryPhaseTerm PlanetaryPhaseTerms[] = {
    {299.77,  0.107408, -0.009173, 0.000325},  // A1
    {251.88,  0.016321,  0.0,      0.000165},  // A2
    {251.83, 26.651886,  0.0,      0.000164},  // A3
    {349.42, 36.412478,  0.0,      0.000126},  // A4
    { 84.66, 18.206239,  0.0,      0.000110},  // A5
    {141.74, 53.303771,  0.0,      0.000062},  // A6
    {207.14,  2.453732,  0.0,      0.000060},  // A7
    {154.84,  7.306860,  0.0,      0.000056},  // A8
    { 34.52, 27.261239,  0.0,      0.000047},  // A9
    {207.19,  0.121824,  0.0,      0.000042},  // A10
    {291.34,  1.844379,  0.0,      0.000040},  // A11
    {161.72, 24.198154,  0.0,      0.000037},  // A12
    {239.56, 25.513099,  0.0,      0.000035},  // A13
    {331.55,  3.592518,  0.0,      0.000023},  // A14
};

// clang-format on

}  // namespace astro
