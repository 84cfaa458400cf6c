#pragma once
// The English texts the More Data window takes from the program's string table, by number.
// Until the localised table is in place, MoreDataString answers from this list.

#include <QString>

struct TMoreDataString {
    int id;
    const char* english;
};

inline constexpr TMoreDataString MoreDataStrings[] = {
    {42029, "More Data"},
    {42030, "Location:"},
    {42031, "Latitude:"},
    {42032, "Longitude:"},
    {42033, "March Equinox:"},
    {42034, "June Solstice:"},
    {42035, "September Equinox:"},
    {42036, "December Solstice:"},
    {42037, "Sun rise:"},
    {42038, "Sun transit:"},
    {42039, "Sun set:"},
    {42040, "Moon rise:"},
    {42041, "Moon transit:"},
    {42042, "Moon set:"},
    {42043, "Next perigee:"},
    {42044, "Next apogee:"},
    {42045, "Next moon eclipse:"},
    {42046, "Next sun eclipse:"},
    {42050, "Out of algorithm range"},
    {42065, "Next perihelion:"},
    {42066, "Next aphelion:"},
    {42067, "Easter date:"},
    {42068, "Passover date:"},
    {42069, "Begin of spring"},
    {42070, "Begin of sommer"},
    {42071, "Begin of autumn"},
    {42072, "Begin of winter"},
    {42077, "East"},
    {42078, "West"},
    {42079, "North"},
    {42080, "South"},
    {42088, "Chinese New Year:"},
    {42099, "None"},
    {42100, "Total"},
    {42101, "Partial"},
    {42102, "Penumbral"},
    {42103, "Annular"},
    {42104, "Annular-total"},
    {42105, "Not central"},
    {42106, "Rat"},
    {42107, "Ox"},
    {42108, "Tiger"},
    {42109, "Rabbit"},
    {42110, "Dragon"},
    {42111, "Snake"},
    {42112, "Horse"},
    {42113, "Goat"},
    {42114, "Monkey"},
    {42115, "Chicken"},
    {42116, "Dog"},
    {42117, "Pig"},
};

// The text of string `id`; empty for a number the list does not hold.
inline QString MoreDataString(int id)
{
    for (const TMoreDataString& entry : MoreDataStrings)
        if (entry.id == id)
            return QString::fromUtf8(entry.english);
    return {};
}
