#pragma once
// The texts of the editor's coordinate fields: degrees, minutes and seconds separated by ":".

#include <QString>

// The largest magnitude (degrees) the fields can show: far beyond every place (the editor marks
// what lies beyond 90 or 180 degrees), yet its text reads back to the same arc-second.
inline constexpr double LargestEditAngle = 1e9;

// Degrees as "d:m:s" in whole arc-seconds (rounded half to even), "-" in front of a negative
// angle, no leading zeros: -32.4333... gives "-32:26:0". Takes up to LargestEditAngle either
// way; anything else (NaN included) raises EInputError "<degrees> is not a valid coordinate".
QString AngleToEditText(double degrees);

// Reads "d:m:s", "d:m" or "d" as degrees; a "-" anywhere makes the whole angle negative, so
// "-000:30:00" gives -0.5. Blanks may stand around the degrees and in front of minutes and
// seconds, as the masked fields leave them. Throws EInputError
// "'<part>' is not a valid integer value" when a part is not a whole number.
double EditTextToAngle(const QString& text);
