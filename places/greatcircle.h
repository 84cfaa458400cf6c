#pragma once
// Distances over the earth's surface for the place look-ups.

// Mean earth radius (IUGG, R1), km.
inline constexpr double EarthMeanRadiusKm = 6371.0088;

// The central angle, in radians (0..pi), between two points given by latitude and longitude
// in degrees (either longitude convention, the same for both). Haversine form, which stays
// accurate for nearby points, as a place look-up needs; on a sphere, so off from the
// ellipsoid's geodesic by up to 0.5 %. NaN in gives NaN.
double CentralAngle(double latitude1, double longitude1, double latitude2, double longitude2);

// The great-circle distance in km on the sphere of mean radius between the two points.
double GreatCircleKm(double latitude1, double longitude1, double latitude2, double longitude2);
