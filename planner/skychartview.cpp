#include "planner/skychartview.h"

#include "almanac/placezone.h"
#include "moredata/lighttext.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace {

constexpr double LowestAltitude = -90;
constexpr double HighestAltitude = 90;

// Room around the plot for the compass letters and the altitude marks, in text heights.
constexpr double MarginLines = 2.2;

bool Crossing(double x1, double x2, double width) { return std::abs(x2 - x1) > width / 2; }

QString HourText(int hour) { return QStringLiteral("%1").arg(hour, 2, 10, QLatin1Char('0')); }

}  // namespace

QColor LightPhaseColor(TLightPhase phase)
{
    switch (phase) {
    case TLightPhase::Night: return QColor(0x14, 0x1b, 0x3a);
    case TLightPhase::Astronomical: return QColor(0x2c, 0x3e, 0x80);
    case TLightPhase::Nautical: return QColor(0x3f, 0x6c, 0xbf);
    case TLightPhase::BlueHour: return QColor(0x5f, 0x9a, 0xe0);
    case TLightPhase::GoldenHour: return QColor(0xf5, 0xb8, 0x47);
    case TLightPhase::Day: return QColor(0xff, 0xf0, 0xa0);
    }
    return Qt::black;
}

void DrawMoonInPhase(QPainter& painter, const QPointF& centre, double radius, double lit, bool waxing)
{
    painter.save();
    painter.setPen(QPen(QColor(0x30, 0x30, 0x30), 1));
    painter.setBrush(QColor(0x50, 0x50, 0x58));
    painter.drawEllipse(centre, radius, radius);
    const QRectF disc(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    QPainterPath half;
    half.moveTo(centre);
    // Qt counts angles anticlockwise from three o'clock: the right half runs from -90 to 90.
    half.arcTo(disc, waxing ? -90 : 90, 180);
    half.closeSubpath();
    const double lean = std::abs(2 * std::clamp(lit, 0.0, 1.0) - 1) * radius;
    QPainterPath bulge;
    bulge.addEllipse(centre, lean, radius);
    const QPainterPath bright = lit >= 0.5 ? half.united(bulge) : half.subtracted(bulge);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xf4, 0xf4, 0xe8));
    painter.drawPath(bright);
    painter.restore();
}

TSkyChart::TSkyChart(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("sky_chart"));
    setMinimumSize(minimumSizeHint());
}

void TSkyChart::setSky(const TSkyDay* sky, const TPlaceZone* zone)
{
    FSky = sky;
    FZone = zone;
    update();
}

void TSkyChart::setPicked(astro::TDateTime ut)
{
    FPicked = ut;
    update();
}

QSize TSkyChart::sizeHint() const
{
    const int line = fontMetrics().height();
    return {56 * line, 30 * line};
}

QSize TSkyChart::minimumSizeHint() const
{
    const int line = fontMetrics().height();
    return {30 * line, 16 * line};
}

QRectF TSkyChart::plot() const
{
    const double margin = MarginLines * fontMetrics().height();
    return QRectF(rect()).adjusted(margin * 1.4, margin * 0.6, -margin * 0.6, -margin);
}

double TSkyChart::chartX(double azimuth) const
{
    // North of the sun's noon for a place south of it: the middle is north, else south.
    const bool northInMiddle = FSky && FSky->Latitude < 0;
    const double fromLeft = std::fmod(azimuth + (northInMiddle ? 180 : 0) + 360, 360);
    return plot().left() + plot().width() * fromLeft / 360;
}

QPointF TSkyChart::at(const TSkyPlace& place) const
{
    const QRectF area = plot();
    const double y =
        area.bottom() - area.height() * (place.Altitude - LowestAltitude) / (HighestAltitude - LowestAltitude);
    return {chartX(place.Azimuth), y};
}

void TSkyChart::drawGrid(QPainter& painter) const
{
    const QRectF area = plot();
    painter.fillRect(area, QColor(0xf7, 0xf7, 0xf4));
    painter.setPen(QPen(QColor(0xcc, 0xcc, 0xcc), 1, Qt::DotLine));
    for (double altitude = -60; altitude <= 60; altitude += 30) {
        const double y = at({0, altitude}).y();
        painter.drawLine(QPointF(area.left(), y), QPointF(area.right(), y));
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QRectF(0, y - fontMetrics().height(), area.left() - 4, 2 * fontMetrics().height()),
                         Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1°").arg(altitude));
        painter.setPen(QPen(QColor(0xcc, 0xcc, 0xcc), 1, Qt::DotLine));
    }
    // The horizon, with the ground below it shaded.
    const double horizon = at({0, 0}).y();
    painter.fillRect(QRectF(area.left(), horizon, area.width(), area.bottom() - horizon), QColor(0xe4, 0xe2, 0xda));
    painter.setPen(QPen(QColor(0x60, 0x60, 0x60), 1.5));
    painter.drawLine(QPointF(area.left(), horizon), QPointF(area.right(), horizon));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRectF(0, horizon - fontMetrics().height(), area.left() - 4, 2 * fontMetrics().height()),
                     Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("0°"));
    // The eight main compass points, in the interface language.
    for (int azimuth = 0; azimuth < 360; azimuth += 45) {
        const double x = chartX(azimuth);
        painter.setPen(QPen(QColor(0xcc, 0xcc, 0xcc), 1, Qt::DotLine));
        painter.drawLine(QPointF(x, area.top()), QPointF(x, area.bottom()));
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QRectF(x - 40, area.bottom() + 2, 80, fontMetrics().height() * 1.2), Qt::AlignCenter,
                         CompassPoint(azimuth));
    }
    painter.setPen(QPen(QColor(0x90, 0x90, 0x90), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area);
}

void TSkyChart::drawSunPath(QPainter& painter) const
{
    const double width = plot().width();
    const double thickness = std::max(3.0, fontMetrics().height() / 4.0);
    // A dark edge, drawn whole first, keeps the light phases visible on the light ground.
    QPainterPath edge;
    for (std::size_t i = 0; i < FSky->Samples.size(); ++i) {
        const QPointF point = at(FSky->Samples[i].Sun);
        if (i == 0 || Crossing(edge.currentPosition().x(), point.x(), width))
            edge.moveTo(point);
        else
            edge.lineTo(point);
    }
    painter.strokePath(edge, QPen(QColor(0x40, 0x40, 0x40), thickness + 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (std::size_t i = 1; i < FSky->Samples.size(); ++i) {
        const TSkySample& from = FSky->Samples[i - 1];
        const TSkySample& to = FSky->Samples[i];
        const QPointF a = at(from.Sun);
        const QPointF b = at(to.Sun);
        if (Crossing(a.x(), b.x(), width))
            continue;
        const TLightPhase phase = LightPhaseOf((from.Sun.Altitude + to.Sun.Altitude) / 2);
        painter.setPen(QPen(LightPhaseColor(phase), thickness, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(a, b);
    }
}

void TSkyChart::drawPath(QPainter& painter, TSkyPlace TSkySample::*body, const QPen& pen, bool darkOnly) const
{
    const double width = plot().width();
    // One path, so that its dashes run on along it rather than start again at every sample.
    QPainterPath path;
    bool drawing = false;
    for (std::size_t i = 1; i < FSky->Samples.size(); ++i) {
        const TSkySample& from = FSky->Samples[i - 1];
        const TSkySample& to = FSky->Samples[i];
        const QPointF a = at(from.*body);
        const QPointF b = at(to.*body);
        const bool dark = LightPhaseOf(from.Sun.Altitude) == TLightPhase::Night &&
                          LightPhaseOf(to.Sun.Altitude) == TLightPhase::Night;
        if ((darkOnly && !dark) || Crossing(a.x(), b.x(), width)) {
            drawing = false;
            continue;
        }
        if (!drawing)
            path.moveTo(a);
        path.lineTo(b);
        drawing = true;
    }
    painter.strokePath(path, pen);
}

void TSkyChart::drawHours(QPainter& painter) const
{
    if (!FZone)
        return;
    painter.setPen(palette().color(QPalette::WindowText));
    for (std::size_t i = 0; i < FSky->Samples.size(); ++i) {
        const TSkySample& sample = FSky->Samples[i];
        const double local = FZone->localTime(sample.Time);
        const double minutes = (local - std::floor(local)) * 24 * 60;
        // The sample within half a step of a whole local hour.
        const double fromHour = std::fmod(minutes, 60.0);
        if (fromHour >= SampleMinutes / 2.0 && fromHour < 60 - SampleMinutes / 2.0)
            continue;
        const int hour = static_cast<int>(std::lround(minutes / 60)) % 24;
        const QPointF point = at(sample.Sun);
        painter.setBrush(palette().color(QPalette::WindowText));
        painter.drawEllipse(point, 2.5, 2.5);
        if (hour % 2 == 0)
            painter.drawText(point + QPointF(4, -4), HourText(hour));
    }
}

void TSkyChart::drawRiseAndSet(QPainter& painter) const
{
    const QRectF area = plot();
    const double horizon = at({0, 0}).y();
    painter.setPen(QPen(QColor(0xb0, 0x60, 0x00), 1.5, Qt::DashLine));
    for (const astro::TSunLight* side : {&FSky->Light.Morning, &FSky->Light.Evening}) {
        if (side->Horizon.Kind != astro::lkOccurs)
            continue;
        const double x = chartX(side->HorizonAzimuth);
        painter.drawLine(QPointF(x, horizon - area.height() / 12), QPointF(x, horizon + area.height() / 12));
    }
}

void TSkyChart::drawPicked(QPainter& painter) const
{
    const TSkySample sample = FSky->nearest(FPicked);
    const double radius = std::max(6.0, fontMetrics().height() / 2.0);
    painter.setPen(QPen(QColor(0x80, 0x50, 0x00), 1.5));
    painter.setBrush(QColor(0xff, 0xd0, 0x20));
    painter.drawEllipse(at(sample.Sun), radius, radius);
    DrawMoonInPhase(painter, at(sample.Moon), radius, FSky->MoonIlluminatedFraction, FSky->MoonWaxing);
}

void TSkyChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    drawGrid(painter);
    if (!FSky || FSky->empty())
        return;
    painter.setClipRect(plot());
    drawPath(painter, &TSkySample::Core, QPen(QColor(0x8a, 0x3f, 0xa0), 2, Qt::DotLine), true);
    drawPath(painter, &TSkySample::Moon, QPen(QColor(0x70, 0x70, 0x78), 2, Qt::DashLine), false);
    drawSunPath(painter);
    drawRiseAndSet(painter);
    drawHours(painter);
    drawPicked(painter);
}
