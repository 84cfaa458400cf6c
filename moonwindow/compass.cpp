#include "moonwindow/compass.h"

#include "astro/angles.h"
#include "controls/image.h"
#include "controls/numbers.h"

#include <QPainter>
#include <algorithm>

namespace {

const QColor Aqua(0, 255, 255);
const QColor SunYellow(255, 255, 0);
const QColor SunOutline(128, 64, 0);
const QColor TrailAmber(240, 190, 40);
// Radii and outline in pixels: the current sun stands out from the day's trail.
constexpr int SunRadius = 12;
constexpr int SunOutlineWidth = 3;
constexpr int TrailRadius = 6;

// The frame, disc and cross lines of a canvas of this size and format.
QImage PaintedBackground(QSize size, QImage::Format format)
{
    QImage canvas(size, format);
    const int w = canvas.width();
    const int h = canvas.height();
    // The corners outside the disc too: the sun's dots reach beyond the rim.
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        painter.setPen(Qt::black);
        // Shapes cover (left, top) up to but not including (right, bottom).
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(0, 0, w - 1, h - 1);
        painter.setBrush(Aqua);
        painter.drawEllipse(0, 0, w - 1, h - 1);
        painter.setBrush(Qt::black);
        const int midY = static_cast<int>(RoundTo(h / 2.0));
        const int midX = static_cast<int>(RoundTo(w / 2.0));
        painter.drawRect(0, midY, w - 1, 1);
        painter.drawRect(midX, 0, 1, h - 1);
    }
    return canvas;
}

// The same for every drawing of a size, and painting it costs many times more than copying it.
const QImage& CompassBackground(QSize size, QImage::Format format)
{
    static QImage kept;
    if (kept.size() != size || kept.format() != format)
        kept = PaintedBackground(size, format);
    return kept;
}

// The background with a day's trail: the trail only grows through the day, so a drawing adds
// one dot or none to the dots of the drawing before.
const QImage& TrailLayer(QSize size, QImage::Format format, const QList<double>& trail)
{
    static QImage kept;
    static QList<double> keptTrail;
    const bool grown = kept.size() == size && kept.format() == format && trail.size() >= keptTrail.size() &&
                       std::equal(keptTrail.cbegin(), keptTrail.cend(), trail.cbegin());
    if (!grown) {
        kept = CompassBackground(size, format);
        keptTrail.clear();
    }
    if (keptTrail.size() < trail.size()) {
        QPainter painter(&kept);
        painter.setPen(Qt::NoPen);
        painter.setBrush(TrailAmber);
        for (qsizetype i = keptTrail.size(); i < trail.size(); ++i)
            painter.drawEllipse(CompassPoint(trail[i], size.width(), size.height()), TrailRadius, TrailRadius);
        keptTrail = trail;
    }
    return kept;
}

}  // namespace

void DrawCompassBackground(TImage& image)
{
    QImage& canvas = image.canvas();
    // The canvas shares the kept pixels until it is painted on.
    if (!canvas.isNull())
        canvas = CompassBackground(canvas.size(), canvas.format());
    image.changed();
}

double ShownAzimuth(double libraryAzimuth)
{
    return libraryAzimuth > 180 ? libraryAzimuth - 180 : libraryAzimuth + 180;
}

QPoint CompassPoint(double shownAzimuth, int width, int height)
{
    const double z = shownAzimuth < 180 ? 90 - shownAzimuth : 360 - shownAzimuth + 90;
    const double x = width / 2.0 + astro::CosDeg(z) * width / 2.0;
    const double y = height / 2.0 - astro::SinDeg(z) * width / 2.0;
    return {static_cast<int>(RoundTo(x)), static_cast<int>(RoundTo(y))};
}

void DrawSunPositions(TImage& image, const QList<double>& trail, std::optional<double> current)
{
    QImage& canvas = image.canvas();
    if (!canvas.isNull()) {
        canvas = TrailLayer(canvas.size(), canvas.format(), trail);
        if (current) {
            QPainter painter(&canvas);
            painter.setPen(QPen(SunOutline, SunOutlineWidth));
            painter.setBrush(SunYellow);
            painter.drawEllipse(CompassPoint(*current, canvas.width(), canvas.height()), SunRadius, SunRadius);
        }
    }
    image.changed();
}
