#pragma once
// The compass on which the moon window marks the sun's bearing: an aqua disc with the
// north-south and east-west lines, north up and east to the right.

#include <QPoint>

class TImage;

// Paints the background: frame, disc and cross lines.
void DrawCompassBackground(TImage& image);

// Azimuth as shown (north 0, east 90, south 180, west 270) from the library's azimuth (from
// the south, positive westward): 0 -> 180, 200 -> 20, 180 -> 360.
double ShownAzimuth(double libraryAzimuth);

// Centre of the sun's dot on the rim of a width x height compass for a shown azimuth.
QPoint CompassPoint(double shownAzimuth, int width, int height);

// Adds a yellow dot of radius 10 at the bearing; earlier dots stay, so the picture collects
// the bearings of successive updates.
void DrawSunDot(TImage& image, double shownAzimuth);
