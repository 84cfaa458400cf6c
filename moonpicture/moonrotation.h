#pragma once

#include "moonpicture/moontypes.h"

class QImage;

// Turns the picture in place by quarter turns, from a copy of the original. A picture of
// other than 32 bits a pixel is converted to 32-bit RGB (with alpha if it has alpha) first.
// With W = width - 1 and H = height - 1 the source pixel (x, y) goes to
//   rot_90  (y, H - x)      a quarter turn counter-clockwise
//   rot_180 (W - x, H - y)  a half turn
//   rot_270 (W - y, x)      a quarter turn clockwise
// The quarter turns assume a square picture (all moon pictures and icons are square);
// pixels that would land outside a non-square picture are dropped, and those no source pixel
// lands on keep their colour.
void RotateMoon(QImage& picture, TRotate rotation);
