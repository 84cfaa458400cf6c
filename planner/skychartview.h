#pragma once
// The sky chart of a day: the sun's path against azimuth and altitude, coloured by the light
// it gives, the moon's path, the Milky Way core's path while the sky is dark, the local hours
// along the sun's path, the rise and set directions, and the sun and the moon at the instant
// picked. The side of the sky where the sun culminates lies in the middle.

#include "planner/skyday.h"

#include <QColor>
#include <QWidget>

class TPlaceZone;

// The colour of a light phase on the chart: a ramp from dark to light, so that the phases part
// by lightness as well as by hue, for every eye and in grey print.
QColor LightPhaseColor(TLightPhase phase);

class TSkyChart final : public QWidget {
public:
    explicit TSkyChart(QWidget* parent = nullptr);

    // The day drawn, on the clock of `zone`; the instant marked, universal time.
    void setSky(const TSkyDay* sky, const TPlaceZone* zone);
    void setPicked(astro::TDateTime ut);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Where an azimuth and an altitude lie in the plot.
    QPointF at(const TSkyPlace& place) const;
    double chartX(double azimuth) const;
    QRectF plot() const;
    void drawGrid(QPainter& painter) const;
    void drawSunPath(QPainter& painter) const;
    void drawPath(QPainter& painter, TSkyPlace TSkySample::*body, const QPen& pen, bool darkOnly) const;
    void drawHours(QPainter& painter) const;
    void drawRiseAndSet(QPainter& painter) const;
    void drawPicked(QPainter& painter) const;

    const TSkyDay* FSky = nullptr;
    const TPlaceZone* FZone = nullptr;
    astro::TDateTime FPicked = 0;
};

// The moon's disc with its lit part, `lit` the lit share 0..1, waxing lit on the right as seen
// from the north.
void DrawMoonInPhase(QPainter& painter, const QPointF& centre, double radius, double lit, bool waxing);
