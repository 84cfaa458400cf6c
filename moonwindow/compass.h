#pragma once
// The compass on which the moon window marks the sun's bearing: an aqua disc with the
// north-south and east-west lines, north up and east to the right.

#include <QList>
#include <QPoint>
#include <optional>

class TImage;

// Paints the background: frame, disc and cross lines.
void DrawCompassBackground(TImage& image);

// Azimuth as shown (north 0, east 90, south 180, west 270) from the library's azimuth (from
// the south, positive westward): 0 -> 180, 200 -> 20, 180 -> 360.
double ShownAzimuth(double libraryAzimuth);

// Centre of the sun's dot on the rim of a width x height compass for a shown azimuth.
QPoint CompassPoint(double shownAzimuth, int width, int height);

// Draws the sun's bearings on a compass background: the earlier bearings of the day as small
// amber dots, then the current one, if the sun is up, as a larger yellow dot with a dark
// outline, last, so that it stays visible above the trail.
void DrawSunPositions(TImage& image, const QList<double>& trail, std::optional<double> current);
