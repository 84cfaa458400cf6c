#include "places/placegrid.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double Radian = std::numbers::pi / 180.0;
// A first cap of a degree holds a place for most inhabited points; each miss doubles it.
constexpr double FirstRadius = 1.0 * Radian;

bool InRange(double latitude, double longitudeEast)
{
    return std::isfinite(latitude) && std::isfinite(longitudeEast) && std::fabs(latitude) <= 90 &&
           std::fabs(longitudeEast) <= 180;
}

}  // namespace

int TPlaceGrid::Row(double latitude)
{
    const int row = static_cast<int>(std::floor(latitude + 90));
    return row < 0 ? 0 : (row >= Rows ? Rows - 1 : row);
}

int TPlaceGrid::Column(double longitudeEast)
{
    const int column = static_cast<int>(std::floor(longitudeEast + 180));
    return ((column % Columns) + Columns) % Columns;  // +180 east is the column of -180
}

TPlaceGrid::TEntry TPlaceGrid::Entry(double latitude, double longitudeEast, std::int32_t index)
{
    const double cosLatitude = std::cos(latitude * Radian);
    return {cosLatitude * std::cos(longitudeEast * Radian), cosLatitude * std::sin(longitudeEast * Radian),
            std::sin(latitude * Radian), index};
}

TPlaceGrid::TPlaceGrid(const std::vector<TPoint>& points)
    : FCellStart(Rows * Columns + 1, 0)
{
    std::vector<int> cellOf(points.size(), -1);
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (InRange(points[i].Latitude, points[i].LongitudeEast)) {
            cellOf[i] = Row(points[i].Latitude) * Columns + Column(points[i].LongitudeEast);
            ++FCellStart[cellOf[i] + 1];
        }
    }
    for (std::size_t c = 1; c < FCellStart.size(); ++c) {
        FCellStart[c] += FCellStart[c - 1];
    }
    FEntries.resize(FCellStart.back());
    std::vector<std::uint32_t> next(FCellStart.begin(), FCellStart.end() - 1);
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (cellOf[i] >= 0) {
            FEntries[next[cellOf[i]]++] =
                Entry(points[i].Latitude, points[i].LongitudeEast, static_cast<std::int32_t>(i));
        }
    }
}

double TPlaceGrid::Chord2(const TEntry& a, const TEntry& b)
{
    const double dx = a.X - b.X;
    const double dy = a.Y - b.Y;
    const double dz = a.Z - b.Z;
    return dx * dx + dy * dy + dz * dz;
}

// The chord of a cap's radius, squared: 4 sin^2(r / 2).
double TPlaceGrid::CapChord2(double radius)
{
    const double sinHalf = std::sin(std::min(radius, std::numbers::pi) / 2);
    return 4 * sinHalf * sinHalf;
}

// The unit vectors are good to 1e-16, so is the chord, and the angle from it to far below a
// millimetre at any distance.
double TPlaceGrid::ChordAngle(double chord2) { return 2 * std::asin(std::min(1.0, std::sqrt(chord2) / 2)); }

void TPlaceGrid::Scan(int cell, const TEntry& target, TBest& best) const
{
    for (std::uint32_t k = FCellStart[cell]; k < FCellStart[cell + 1]; ++k) {
        const TEntry& entry = FEntries[k];
        const double chord2 = Chord2(entry, target);
        if (best.Index < 0 || chord2 < best.Chord2 || (chord2 == best.Chord2 && entry.Index < best.Index)) {
            best = {entry.Index, chord2};
        }
    }
}

template <typename Visit>
void TPlaceGrid::ForEachCellOfCap(double latitude, double longitudeEast, double radius, Visit visit) const
{
    const double reach = radius / Radian;
    const double north = latitude + reach;
    const double south = latitude - reach;
    // A cap that holds a pole spans every longitude; otherwise its half-width in longitude is
    // asin(sin r / cos latitude), which grows towards the poles.
    const double sinRadius = std::sin(radius);
    const double cosLatitude = std::cos(latitude * Radian);
    const bool allColumns = radius >= std::numbers::pi || north >= 90 || south <= -90 || sinRadius >= cosLatitude;
    int firstColumn = 0;
    int columns = Columns;
    if (!allColumns) {
        const double halfWidth = std::asin(sinRadius / cosLatitude) / Radian;
        const int west = static_cast<int>(std::floor(longitudeEast - halfWidth + 180));
        const int east = static_cast<int>(std::floor(longitudeEast + halfWidth + 180));
        firstColumn = west;
        columns = std::min(east - west + 1, Columns);
    }
    for (int row = Row(south); row <= Row(north); ++row) {
        for (int k = 0; k < columns; ++k) {
            visit(row * Columns + ((firstColumn + k) % Columns + Columns) % Columns);
        }
    }
}

TPlaceGrid::TMatch TPlaceGrid::Nearest(double latitude, double longitudeEast) const
{
    if (FEntries.empty() || !InRange(latitude, longitudeEast)) {
        return {};
    }
    const TEntry target = Entry(latitude, longitudeEast, -1);
    TBest best;
    // Every point within `radius` of the target lies in the cells of the cap's bounding box;
    // once the best point found is no farther than `radius`, nothing outside can beat it.
    for (double radius = FirstRadius;; radius *= 2) {
        ForEachCellOfCap(latitude, longitudeEast, radius, [&](int cell) { Scan(cell, target, best); });
        if (radius >= std::numbers::pi || (best.Index >= 0 && best.Chord2 <= CapChord2(radius))) {
            break;
        }
    }
    if (best.Index < 0) {
        return {};
    }
    return {best.Index, ChordAngle(best.Chord2)};
}

std::vector<TPlaceGrid::TMatch> TPlaceGrid::Within(double latitude, double longitudeEast, double radius) const
{
    std::vector<TMatch> found;
    if (FEntries.empty() || !InRange(latitude, longitudeEast) || !(radius >= 0)) {
        return found;
    }
    const TEntry target = Entry(latitude, longitudeEast, -1);
    const double limit = CapChord2(std::min(radius, std::numbers::pi));
    ForEachCellOfCap(latitude, longitudeEast, std::min(radius, std::numbers::pi), [&](int cell) {
        for (std::uint32_t k = FCellStart[cell]; k < FCellStart[cell + 1]; ++k) {
            const double chord2 = Chord2(FEntries[k], target);
            if (chord2 <= limit) {
                found.push_back({FEntries[k].Index, ChordAngle(chord2)});
            }
        }
    });
    return found;
}
