#pragma once
// A spatial index for the nearest-place search: points bucketed into cells of one degree of
// latitude by one degree of longitude, searched outwards in spherical caps.

#include <cstdint>
#include <vector>

class TPlaceGrid {
public:
    struct TPoint {
        double Latitude;       // degrees, north positive, -90..90
        double LongitudeEast;  // degrees, east positive, -180..180
    };

    struct TMatch {
        int Index = -1;    // into the points given to the constructor; -1: none
        double Angle = 0;  // central angle to it, radians
    };

    TPlaceGrid() = default;
    // Points outside the ranges above, or NaN, are left out of the index.
    explicit TPlaceGrid(const std::vector<TPoint>& points);

    // The point nearest to (latitude, longitudeEast) along the great circle; ties go to the
    // lower index. None for an empty grid or a point outside the ranges above (or NaN).
    TMatch Nearest(double latitude, double longitudeEast) const;
    // Every point no farther than `radius` (radians) from (latitude, longitudeEast), in no
    // particular order; none for a point outside the ranges above or a negative radius.
    std::vector<TMatch> Within(double latitude, double longitudeEast, double radius) const;

private:
    static constexpr int Rows = 180;
    static constexpr int Columns = 360;

    // A point as a unit vector (x towards 0 N 0 E, z to the north pole): the squared chord
    // between two of them grows with the angle between them and costs no trigonometry.
    struct TEntry {
        double X, Y, Z;
        std::int32_t Index;
    };
    struct TBest {
        std::int32_t Index = -1;
        double Chord2 = 0;
    };

    static int Row(double latitude);
    static int Column(double longitudeEast);
    static TEntry Entry(double latitude, double longitudeEast, std::int32_t index);
    static double Chord2(const TEntry& a, const TEntry& b);
    static double CapChord2(double radius);
    static double ChordAngle(double chord2);
    // Calls visit(cell) for each cell of the bounding box of the cap of `radius` radians.
    template <typename Visit>
    void ForEachCellOfCap(double latitude, double longitudeEast, double radius, Visit visit) const;
    void Scan(int cell, const TEntry& target, TBest& best) const;

    // Cell c holds FEntries[FCellStart[c] .. FCellStart[c + 1]); cells run row by row.
    std::vector<std::uint32_t> FCellStart;
    std::vector<TEntry> FEntries;
};
