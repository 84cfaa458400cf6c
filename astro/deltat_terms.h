#pragma once
// The polynomials of Delta T = TT - UT (seconds) by Espenak and Meeus, Five Millennium Canon
// of Solar Eclipses: -1999 to +3000, NASA/TP-2006-214141 (2006). Each row holds
// Delta T = C[0] + C[1] x + ... + C[7] x^7 with x = (y - Origin) / YearsPerUnit, y the decimal
// year; the rows follow one another without gap. Before the first row and after the last the
// long-term parabola LongTermDeltaT holds.

namespace astro {

// The tables keep the published coefficients, fractions written as the canon writes them.
// clang-format off

struct TDeltaTPolynomial {
    double FromYear;      // first decimal year of the row
    double UntilYear;     // first decimal year of the next row
    double Origin;        // decimal year at which x is 0
    double YearsPerUnit;  // years per unit of x: 100 (the canon's u) or 1 (its t)
    double C[8];          // coefficients of x^0 .. x^7 (seconds)
};

inline constexpr TDeltaTPolynomial DeltaTPolynomials[] = {
    // from   until  origin per unit  C[0] .. C[7]
    {-500.0, 500.0, 0.0, 100.0,                                                          //  1
     {10583.6, -1014.41, 33.78311, -5.952053, -0.1798452, 0.022174192, 0.0090316521, 0.0}},
    {500.0, 1600.0, 1000.0, 100.0,                                                       //  2
     {1574.2, -556.01, 71.23472, 0.319781, -0.8503463, -0.005050998, 0.0083572073, 0.0}},
    {1600.0, 1700.0, 1600.0, 1.0,                                                        //  3
     {120.0, -0.9808, -0.01532, 1.0 / 7129.0, 0.0, 0.0, 0.0, 0.0}},
    {1700.0, 1800.0, 1700.0, 1.0,                                                        //  4
     {8.83, 0.1603, -0.0059285, 0.00013336, -1.0 / 1174000.0, 0.0, 0.0, 0.0}},
    {1800.0, 1860.0, 1800.0, 1.0,                                                        //  5
     {13.72, -0.332447, 0.0068612, 0.0041116, -0.00037436, 0.0000121272, -0.0000001699, 0.000000000875}},
    {1860.0, 1900.0, 1860.0, 1.0,                                                        //  6
     {7.62, 0.5737, -0.251754, 0.01680668, -0.0004473624, 1.0 / 233174.0, 0.0, 0.0}},
    {1900.0, 1920.0, 1900.0, 1.0,                                                        //  7
     {-2.79, 1.494119, -0.0598939, 0.0061966, -0.000197, 0.0, 0.0, 0.0}},
    {1920.0, 1941.0, 1920.0, 1.0,                                                        //  8
     {21.20, 0.84493, -0.076100, 0.0020936, 0.0, 0.0, 0.0, 0.0}},
    {1941.0, 1961.0, 1950.0, 1.0,                                                        //  9
     {29.07, 0.407, -1.0 / 233.0, 1.0 / 2547.0, 0.0, 0.0, 0.0, 0.0}},
    {1961.0, 1986.0, 1975.0, 1.0,                                                        // 10
     {45.45, 1.067, -1.0 / 260.0, -1.0 / 718.0, 0.0, 0.0, 0.0, 0.0}},
    {1986.0, 2005.0, 2000.0, 1.0,                                                        // 11
     {63.86, 0.3345, -0.060374, 0.0017275, 0.000651814, 0.00002373599, 0.0, 0.0}},
    {2005.0, 2050.0, 2000.0, 1.0,                                                        // 12
     {62.92, 0.32217, 0.005589, 0.0, 0.0, 0.0, 0.0, 0.0}},
    // -20 + 32 u^2 - 0.5628 (2150 - y), u = (y - 1820) / 100, multiplied out in u: the
    // parabola bent down to meet row 12 at 2050.
    {2050.0, 2150.0, 1820.0, 100.0,                                                      // 13
     {-20.0 - 0.5628 * 330.0, 0.5628 * 100.0, 32.0, 0.0, 0.0, 0.0, 0.0, 0.0}},
};

// clang-format on

// The long-term parabola of Morrison and Stephenson (2004): Delta T = Constant + Quadratic u^2
// seconds with u = (y - Origin) / 100 years.
struct TDeltaTParabola {
    double Constant;   // seconds
    double Quadratic;  // seconds per century squared
    double Origin;     // decimal year of the vertex
};
inline constexpr TDeltaTParabola LongTermDeltaT = {-20.0, 32.0, 1820.0};

}  // namespace astro
