#pragma once
// Basic value types shared by the whole almanac library.

namespace astro {

// An instant as days since 1899-12-30 00:00 on a continuous scale (-0.75 is 1899-12-29 06:00).
// The library applies no UT/TT correction: the instant is used as the series' ephemeris time.
using TDateTime = double;

}  // namespace astro
