// Draws the studio portrait shown on the lighting page: a head-and-shoulders figure lit from
// the camera's left, as a 367 x 490 JPEG. The page shows only the picture's top-left 185 x 225
// pixels, so the head sits in that corner.
//
//   cmake --build <build> --target gen_portrait && <build>/tools/gen_portrait resources/portrait.jpg

#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <cstdio>

namespace {

constexpr int Width = 367;
constexpr int Height = 490;
// Centre of the face within the visible corner.
constexpr double FaceX = 96;
constexpr double FaceY = 92;

void paintBackdrop(QPainter& p)
{
    QRadialGradient light(QPointF(60, 60), 420);
    light.setColorAt(0, QColor(150, 156, 166));
    light.setColorAt(1, QColor(52, 56, 64));
    p.fillRect(0, 0, Width, Height, light);
}

void paintShoulders(QPainter& p)
{
    QPainterPath body;
    body.moveTo(FaceX - 150, Height);
    body.cubicTo(FaceX - 140, 230, FaceX - 90, 190, FaceX - 30, 178);
    body.lineTo(FaceX + 30, 178);
    body.cubicTo(FaceX + 100, 190, FaceX + 150, 230, FaceX + 170, Height);
    body.closeSubpath();
    QLinearGradient cloth(FaceX - 150, 0, FaceX + 170, 0);
    cloth.setColorAt(0, QColor(96, 40, 44));
    cloth.setColorAt(0.45, QColor(70, 26, 30));
    cloth.setColorAt(1, QColor(28, 10, 12));
    p.fillPath(body, cloth);

    // Neckline of the sweater.
    QPainterPath collar;
    collar.moveTo(FaceX - 34, 176);
    collar.quadTo(FaceX, 214, FaceX + 34, 176);
    p.setPen(QPen(QColor(40, 14, 16), 6));
    p.drawPath(collar);
}

void paintNeck(QPainter& p)
{
    QLinearGradient skin(FaceX - 26, 0, FaceX + 26, 0);
    skin.setColorAt(0, QColor(222, 176, 146));
    skin.setColorAt(1, QColor(150, 104, 82));
    QPainterPath neck;
    neck.moveTo(FaceX - 24, 130);
    neck.lineTo(FaceX - 28, 184);
    neck.quadTo(FaceX, 200, FaceX + 28, 184);
    neck.lineTo(FaceX + 24, 130);
    neck.closeSubpath();
    p.fillPath(neck, skin);
    // The chin's shadow on the neck.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 70, 56, 120));
    p.drawEllipse(QPointF(FaceX + 2, 146), 26, 10);
}

void paintHairBehind(QPainter& p)
{
    QRadialGradient hair(QPointF(FaceX - 20, FaceY - 40), 110);
    hair.setColorAt(0, QColor(92, 60, 38));
    hair.setColorAt(1, QColor(30, 18, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(hair);
    QPainterPath back;
    back.setFillRule(Qt::WindingFill);
    back.addEllipse(QPointF(FaceX, FaceY - 8), 62, 70);
    back.addRoundedRect(FaceX - 60, FaceY - 8, 120, 92, 24, 24);
    p.drawPath(back.simplified());
}

void paintFace(QPainter& p)
{
    // Key light from the camera's left: the face brightens towards the left cheek.
    QRadialGradient skin(QPointF(FaceX - 22, FaceY - 14), 72);
    skin.setColorAt(0, QColor(246, 212, 186));
    skin.setColorAt(0.6, QColor(214, 164, 134));
    skin.setColorAt(1, QColor(140, 94, 74));
    p.setPen(Qt::NoPen);
    p.setBrush(skin);
    QPainterPath face;
    face.moveTo(FaceX - 44, FaceY - 20);
    face.cubicTo(FaceX - 48, FaceY + 30, FaceX - 26, FaceY + 62, FaceX, FaceY + 66);
    face.cubicTo(FaceX + 26, FaceY + 62, FaceX + 48, FaceY + 30, FaceX + 44, FaceY - 20);
    face.cubicTo(FaceX + 40, FaceY - 62, FaceX - 40, FaceY - 62, FaceX - 44, FaceY - 20);
    p.drawPath(face);

    // Ears.
    p.setBrush(QColor(196, 146, 118));
    p.drawEllipse(QPointF(FaceX - 46, FaceY + 4), 7, 14);
    p.setBrush(QColor(150, 104, 84));
    p.drawEllipse(QPointF(FaceX + 46, FaceY + 4), 7, 14);
}

void paintFeatures(QPainter& p)
{
    // Brows.
    p.setPen(QPen(QColor(58, 36, 24), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(FaceX - 34, FaceY - 24, 26, 12), 20 * 16, 140 * 16);
    p.drawArc(QRectF(FaceX + 8, FaceY - 24, 26, 12), 20 * 16, 140 * 16);

    // Eyes: white, iris, pupil and a catch light from the key light.
    for (const double x : {FaceX - 21.0, FaceX + 21.0}) {
        p.setPen(QPen(QColor(70, 44, 34), 1.2));
        p.setBrush(QColor(240, 236, 230));
        p.drawEllipse(QPointF(x, FaceY - 4), 10, 5.5);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(72, 96, 70));
        p.drawEllipse(QPointF(x + 1, FaceY - 4), 4.6, 4.6);
        p.setBrush(QColor(16, 12, 10));
        p.drawEllipse(QPointF(x + 1, FaceY - 4), 2.2, 2.2);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(x - 0.8, FaceY - 5.6), 1.1, 1.1);
    }

    // Nose: a shadow on the side away from the light and a highlight on the bridge.
    QPainterPath nose;
    nose.moveTo(FaceX + 2, FaceY);
    nose.cubicTo(FaceX + 8, FaceY + 16, FaceX + 12, FaceY + 22, FaceX + 4, FaceY + 26);
    p.setPen(QPen(QColor(150, 100, 80), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(nose);
    p.setPen(QPen(QColor(130, 86, 70), 2));
    p.drawArc(QRectF(FaceX - 10, FaceY + 20, 10, 7), 200 * 16, 120 * 16);
    p.drawArc(QRectF(FaceX + 2, FaceY + 20, 10, 7), 220 * 16, 120 * 16);

    // Lips with a slight smile.
    QPainterPath upper;
    upper.moveTo(FaceX - 16, FaceY + 40);
    upper.quadTo(FaceX - 6, FaceY + 34, FaceX, FaceY + 37);
    upper.quadTo(FaceX + 6, FaceY + 34, FaceX + 16, FaceY + 40);
    upper.quadTo(FaceX, FaceY + 42, FaceX - 16, FaceY + 40);
    QPainterPath lower;
    lower.moveTo(FaceX - 16, FaceY + 40);
    lower.quadTo(FaceX, FaceY + 52, FaceX + 16, FaceY + 40);
    lower.quadTo(FaceX, FaceY + 43, FaceX - 16, FaceY + 40);
    p.setPen(Qt::NoPen);
    p.fillPath(upper, QColor(168, 82, 80));
    p.fillPath(lower, QColor(190, 104, 98));
}

void paintHairFront(QPainter& p)
{
    QLinearGradient hair(FaceX - 60, FaceY - 70, FaceX + 60, FaceY - 10);
    hair.setColorAt(0, QColor(120, 82, 50));
    hair.setColorAt(1, QColor(40, 24, 16));
    QPainterPath fringe;
    fringe.moveTo(FaceX - 50, FaceY - 2);
    fringe.cubicTo(FaceX - 60, FaceY - 70, FaceX + 50, FaceY - 92, FaceX + 52, FaceY - 6);
    fringe.cubicTo(FaceX + 40, FaceY - 40, FaceX + 10, FaceY - 44, FaceX - 10, FaceY - 36);
    fringe.cubicTo(FaceX - 30, FaceY - 30, FaceX - 40, FaceY - 20, FaceX - 50, FaceY - 2);
    p.fillPath(fringe, hair);
    // A few strands catch the light.
    p.setPen(QPen(QColor(170, 126, 84, 150), 1.2));
    for (int i = 0; i < 7; ++i) {
        QPainterPath strand;
        strand.moveTo(FaceX - 44 + i * 6, FaceY - 10 - i * 3);
        strand.quadTo(FaceX - 30 + i * 8, FaceY - 64, FaceX + 10 + i * 5, FaceY - 58 + i);
        p.drawPath(strand);
    }
}

// Fine grain so that the picture reads as a photograph rather than flat vector art.
void addGrain(QImage& image)
{
    QRandomGenerator random(20071101);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int noise = int(random.bounded(9)) - 4;
            const QRgb c = line[x];
            line[x] = qRgb(std::clamp(qRed(c) + noise, 0, 255), std::clamp(qGreen(c) + noise, 0, 255),
                           std::clamp(qBlue(c) + noise, 0, 255));
        }
    }
}

}  // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: gen_portrait OUTPUT.jpg\n");
        return 2;
    }
    QImage image(Width, Height, QImage::Format_RGB32);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        paintBackdrop(p);
        paintHairBehind(p);
        paintShoulders(p);
        paintNeck(p);
        paintFace(p);
        paintFeatures(p);
        paintHairFront(p);
    }
    addGrain(image);
    QImageWriter writer(QString::fromLocal8Bit(argv[1]), "jpeg");
    writer.setQuality(88);
    if (!writer.write(image)) {
        std::fprintf(stderr, "gen_portrait: %s\n", qPrintable(writer.errorString()));
        return 1;
    }
    return 0;
}
