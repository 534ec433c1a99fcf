#include "board/BoardPictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

QImage blankPicture(int width, int height, QColor background) {
    QImage picture(width, height, QImage::Format_RGB32);
    picture.setDotsPerMeterX(3780);
    picture.setDotsPerMeterY(3780);
    picture.fill(background);
    return picture;
}

QImage drawLogo() {
    QImage picture = blankPicture(41, 133, QColor(240, 240, 240));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    // A dark blue plate with a light rim.
    QPainterPath plate;
    plate.addRoundedRect(QRectF(1.5, 1.5, 38, 130), 6, 6);
    painter.fillPath(plate, QColor(30, 50, 110));
    painter.setPen(QPen(QColor(150, 170, 210), 1));
    painter.drawPath(plate);
    // A lightning bolt at the top.
    const QPointF bolt[] = {{23, 7}, {13, 22}, {20, 22}, {16, 34}, {28, 18}, {21, 18}, {25, 7}};
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 210, 40));
    painter.drawPolygon(bolt, int(std::size(bolt)));
    // The name, reading from bottom to top.
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(15);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.translate(20.5, 128);
    painter.rotate(-90);
    painter.drawText(QRectF(0, -10, 88, 20), Qt::AlignCenter, QStringLiteral("VOLTARIX"));
    return picture;
}

QImage drawMountingHole() {
    QImage picture = blankPicture(31, 31, QColor(240, 240, 240));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(15.5, 15.5);
    // The recess: dark at its rim, lighter towards the middle, lit from the top left.
    QRadialGradient shade(centre, 13, QPointF(12, 12));
    shade.setColorAt(0.0, QColor(200, 200, 200));
    shade.setColorAt(0.7, QColor(140, 140, 140));
    shade.setColorAt(1.0, QColor(70, 70, 70));
    painter.setPen(QPen(QColor(100, 100, 100), 1));
    painter.setBrush(shade);
    painter.drawEllipse(centre, 13, 13);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawEllipse(centre, 4.5, 4.5);
    return picture;
}

} // namespace

namespace BoardPictures {

const QImage &logo() {
    static const QImage picture = drawLogo();
    return picture;
}

const QImage &bevestigingsGat() {
    static const QImage picture = drawMountingHole();
    return picture;
}

} // namespace BoardPictures
