#pragma once
// The English texts the location editor takes from the program's string table, by number.
// Until the localised table is in place, LocationString answers from this list.

#include <QString>

struct TLocationString {
    int id;
    const char* english;
};

inline constexpr TLocationString LocationStrings[] = {
    {42031, "Latitude:"},
    {42032, "Longitude:"},
    {42058, "Altitude:"},
    {42059, "Edit locations"},
    {42061, "Move up"},
    {42062, "Move down"},
    {42063, "New Location"},
    {42064, "Delete"},
    {42081, "Positive numbers are northern latitude"},
    {42082, "Positive numbers are western longitude"},
    {42083, "Altitude in meters above sea level"},
};

// The text of string `id`; empty for a number the list does not hold.
inline QString LocationString(int id)
{
    for (const TLocationString& entry : LocationStrings)
        if (entry.id == id)
            return QString::fromUtf8(entry.english);
    return {};
}
