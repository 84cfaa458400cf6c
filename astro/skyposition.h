#pragma once
// The position record shared by the sun and the moon.

namespace astro {

// Apparent geocentric position of a body and, once EquatorialToHorizontal has run, its
// place in an observer's sky. All angles in degrees.
struct TSkyPosition {
    double Longitude = 0.0;       // apparent ecliptic longitude, [0, 360) after EclipticToEquatorial
    double Latitude = 0.0;        // ecliptic latitude
    double Distance = 0.0;        // from the centre of the earth, km
    double RightAscension = 0.0;  // apparent right ascension, (-90, 270)
    double Declination = 0.0;     // apparent declination
    double Parallax = 0.0;        // horizontal parallax (filled by the topocentric correction)
    double Elevation = 0.0;       // altitude above the horizon, no refraction
    double Azimuth = 0.0;         // from the south, positive towards the west, (-90, 270)
};

}  // namespace astro
