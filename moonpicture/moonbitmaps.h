#pragma once
// The nine stored moon pictures: a grey and a coloured full moon and the disc's silhouette,
// each in the three sizes.

#include <QString>

#include "moonpicture/moontypes.h"

class QImage;

enum TMoonBitmap : std::uint8_t {
    mbClassic,  // grey full moon on black, 16 colours
    mbColor,    // coloured full moon on black, 256 colours
    mbMask,     // silhouette, 1 bit: black on the disc, white around it
};

// The resource name, e.g. "MOON_COLOR_SMALL".
QString MoonBitmapName(TMoonBitmap bitmap, TMoonSize size);

// The bitmap as a 32-bit RGB image, ready for pixel painting. Each bitmap is decoded once; the
// image shares its pixels with the kept one until it is painted on, so every caller paints on
// a clean copy. A missing resource gives a null image and is not reported: the picture then
// simply stays empty.
QImage LoadMoonBitmap(TMoonBitmap bitmap, TMoonSize size);
