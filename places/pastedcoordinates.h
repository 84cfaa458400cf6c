#pragma once
// A point as maps, photos and messages give it, pasted as text: decimal degrees in the maps'
// order latitude, longitude ("52.5200, 13.4050", north and east positive), with hemisphere
// letters ("52.52 N 13.405 E", "52.5200° N, 13.4050° E"), degrees, minutes and seconds with
// their symbols (52°31'12"N 13°24'18"E) or a geo URI ("geo:52.52,13.405").

#include <QStringView>

#include <optional>

struct TMapPoint {
    double Latitude = 0;       // degrees, north positive
    double LongitudeEast = 0;  // degrees, EAST positive, as maps count
};

// The point of `text`, or nothing for any other text: a name, one number, a latitude beyond
// ±90 or a longitude beyond ±180 degrees, minutes or seconds of 60 or more, a sign and a
// hemisphere letter on one value, or letters that name the same axis twice. Letters E and W
// first and N and S second are taken in that order ("13.405 E 52.52 N").
std::optional<TMapPoint> ReadPastedCoordinates(QStringView text);
