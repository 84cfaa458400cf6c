#include "moonpicture/moonshadow.h"

#include <algorithm>
#include <cmath>

#include <QImage>

#include "astro/angles.h"
#include "moonpicture/moongeometry.h"

namespace {

// The default floating-point environment rounds to nearest with ties to even.
int RoundHalfEven(double x) { return static_cast<int>(std::nearbyint(x)); }

void SetPixelClipped(QImage& canvas, int x, int y, QRgb color)
{
    if (canvas.valid(x, y))
        canvas.setPixel(x, y, color);
}

// A horizontal pen line from x1 towards x2 on row y; like a line-to, the end point stays
// unpainted. The 32-bit canvases of the pictures are filled a row at a time.
void HorizontalLine(QImage& canvas, int y, int x1, int x2)
{
    const int first = std::max(x2 > x1 ? x1 : x2 + 1, 0);
    const int last = std::min(x2 > x1 ? x2 - 1 : x1, canvas.width() - 1);
    if (y < 0 || y >= canvas.height() || first > last)
        return;
    if (canvas.depth() != 32) {
        for (int x = first; x <= last; ++x)
            canvas.setPixel(x, y, qRgb(0, 0, 0));
        return;
    }
    QRgb* row = reinterpret_cast<QRgb*>(canvas.scanLine(y));
    std::fill(row + first, row + last + 1, qRgb(0, 0, 0));
}

}  // namespace

void DrawMoonShadow(QImage& canvas, const TMoonGeometry& geometry, double phaseAngle, bool landingDot)
{
    if (canvas.isNull())
        return;
    const int cx = geometry.centreX;
    const int cy = geometry.centreY;
    const int r = geometry.radius;
    if (landingDot)
        SetPixelClipped(canvas, geometry.dotX, geometry.dotY, qRgb(255, 0, 0));

    const double c = astro::CosDeg(phaseAngle);
    const bool waxing = phaseAngle < 180.0;
    for (int g = 0; g <= r; ++g) {
        const double h = std::sqrt(static_cast<double>(r * r - g * g));
        const int w = RoundHalfEven(h);
        const int t = RoundHalfEven(c * h);
        const int from = waxing ? cx - t : cx + t;
        const int to = waxing ? cx - w - 1 : cx + w + 1;
        HorizontalLine(canvas, cy + g, from, to);
        HorizontalLine(canvas, cy - g, from, to);
    }
}
