#pragma once
// The 31 largest terms of the IAU 1980 nutation series, in order of decreasing amplitude.
// Reference: Meeus, Astronomical Algorithms, 2nd ed., table 22.A.

#include <cstdint>

namespace astro {

// The tables keep the columns of the published ones.
// clang-format off

struct TNutationTerm {
    std::int8_t D;       // multiple of the moon's mean elongation from the sun
    std::int8_t M;       // multiple of the sun's mean anomaly
    std::int8_t Mp;      // multiple of the moon's mean anomaly
    std::int8_t F;       // multiple of the moon's argument of latitude
    std::int8_t Omega;   // multiple of the longitude of the moon's ascending node
    std::int32_t S;      // sine coefficient of the longitude, 0.0001"
    std::int32_t S1;     // its rate, 0.00001" per Julian century
    std::int32_t C;      // cosine coefficient of the obliquity, 0.0001"
    std::int32_t C1;     // its rate, 0.00001" per Julian century
};

inline constexpr TNutationTerm NutationTerms[] = {
    //  D   M  M'   F   Om        S     S'      C    C'
    {   0,  0,  0,  0,  1, -171996, -1742, 92025,   89},  //  1
    {  -2,  0,  0,  2,  2,  -13187,   -16,  5736,  -31},  //  2
    {   0,  0,  0,  2,  2,   -2274,    -2,   977,   -5},  //  3
    {   0,  0,  0,  0,  2,    2062,     2,  -895,    5},  //  4
    {   0,  1,  0,  0,  0,    1426,   -34,    54,   -1},  //  5
    {   0,  0,  1,  0,  0,     712,     1,    -7,    0},  //  6
    {  -2,  1,  0,  2,  2,    -517,    12,   224,   -6},  //  7
    {   0,  0,  0,  2,  1,    -386,    -4,   200,    0},  //  8
    {   0,  0,  1,  2,  2,    -301,     0,   129,   -1},  //  9
    {  -2, -1,  0,  2,  2,     217,    -5,   -95,    3},  // 10
    {  -2,  0,  1,  0,  0,    -158,     0,     0,    0},  // 11
    {  -2,  0,  0,  2,  1,     129,     1,   -70,    0},  // 12
    {   0,  0, -1,  2,  2,     123,     0,   -53,    0},  // 13
    {   2,  0,  0,  0,  0,      63,     0,     0,    0},  // 14
    {   0,  0,  1,  0,  1,      63,     1,   -33,    0},  // 15
    {   2,  0, -1,  2,  2,     -59,     0,    26,    0},  // 16
    {   0,  0, -1,  0,  1,     -58,    -1,    32,    0},  // 17
    {   0,  0,  1,  2,  1,     -51,     0,    27,    0},  // 18
    {  -2,  0,  2,  0,  0,      48,     0,     0,    0},  // 19
    {   0,  0, -2,  2,  1,      46,     0,   -24,    0},  // 20
    {   2,  0,  0,  2,  2,     -38,     0,    16,    0},  // 21
    {   0,  0,  2,  2,  2,     -31,     0,    13,    0},  // 22
    {   0,  0,  2,  0,  0,      29,     0,     0,    0},  // 23
    {  -2,  0,  1,  2,  2,      29,     0,   -12,    0},  // 24
    {   0,  0,  0,  2,  0,      26,     0,     0,    0},  // 25
    {  -2,  0,  0,  2,  0,     -22,     0,     0,    0},  // 26
    {   0,  0, -1,  2,  1,      21,     0,   -10,    0},  // 27
    {   0,  2,  0,  0,  0,      17,    -1,     0,    0},  // 28
    {   2,  0, -1,  0,  1,      16,     0,    -8,    0},  // 29
    {  -2,  2,  0,  2,  2,     -16,     1,     7,    0},  // 30
    {   0,  1,  0,  0,  1,     -15,     0,     9,    0},  // 31
};

// clang-format on

}  // namespace astro
