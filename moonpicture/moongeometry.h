#pragma once
// Where the disc lies in each picture size: the terminator is drawn around this centre and
// radius, and the first manned landing site is marked at the dot. Pixels, origin top left.

#include <array>

#include "moonpicture/moontypes.h"

struct TMoonGeometry {
    int width;    // picture width
    int height;   // picture height
    int centreX;  // disc centre column
    int centreY;  // disc centre row
    int radius;   // disc radius
    int dotX;     // landing-site column (Mare Tranquillitatis)
    int dotY;     // landing-site row
};

// Indexed by TMoonSize.
inline constexpr std::array<TMoonGeometry, 3> MoonGeometry = {{
    {64, 64, 31, 28, 28, 41, 29},  // ms64
    {32, 32, 15, 14, 14, 20, 15},  // ms32
    {16, 16, 7, 7, 7, 9, 7},       // ms16
}};
