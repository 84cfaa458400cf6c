#pragma once

#include "moonpicture/moontypes.h"

class QImage;

// Turns the picture in place by quarter turns, pixel by pixel from a copy of the original.
// With W = width - 1 and H = height - 1 the source pixel (x, y) goes to
//   rot_90  (y, H - x)      a quarter turn counter-clockwise
//   rot_180 (W - x, H - y)  a half turn
//   rot_270 (W - y, x)      a quarter turn clockwise
// The quarter turns assume a square picture (all moon pictures and icons are square);
// pixels that would land outside a non-square picture are dropped.
void RotateMoon(QImage& picture, TRotate rotation);
