#pragma once
// Basic value types shared by the whole almanac library.

namespace astro {

// An instant as days since 1899-12-30 00:00 on a continuous scale (-0.75 is 1899-12-29 06:00).
// Time scales. The instants the program works with are universal time (UT), the time of the
// clock. The series of the library run in dynamical time (TT), about a minute ahead in our
// era (Delta T, deltat.h):
// - phases.h, seasons.h, apsides.h, eclipses.h take and return universal time and convert
//   with Delta T where they are entered and where they return; their functions named
//   ...Dynamical take and give dynamical time.
// - sun.h and moon_position.h take dynamical time; rise, set and the day's light (riseset.h,
//   daylight.h) hand them the universal time of the day as it is (the bodies move less than
//   40" in that minute).
// - The calendars (calendar.h, feasts.h, jewish_calendar.h, chinese_calendar.h) count civil
//   days of universal time.
using TDateTime = double;

}  // namespace astro
