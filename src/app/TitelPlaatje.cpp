#include "app/TitelPlaatje.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <array>
#include <vector>

namespace TitelPlaatje {

namespace {

const QColor kKoper(214, 160, 72);
const QColor kKoperDonker(120, 84, 36);

// The copper tracks on the right half, as polylines; each ends in a soldering pad.
const std::vector<std::vector<QPoint>> kSporen = {
    {{250, 110}, {290, 110}, {310, 130}, {360, 130}},
    {{490, 95}, {470, 95}, {450, 115}, {450, 130}},
    {{372, 194}, {372, 230}, {342, 260}, {290, 260}},
    {{396, 194}, {396, 240}, {426, 270}, {470, 270}},
    {{420, 194}, {420, 214}, {440, 234}, {480, 234}},
    {{372, 150}, {372, 136}},
    {{396, 150}, {396, 112}, {416, 92}, {430, 92}},
    {{480, 150}, {480, 130}, {462, 112}},
    {{270, 300}, {330, 300}, {350, 280}, {400, 280}, {410, 290}, {490, 290}},
    {{300, 170}, {330, 170}, {340, 180}, {340, 215}},
};

// Sizes in pixels, so the picture is the same whatever DPI the desktop's fonts use.
QFont lettertype(int pixels, bool vet = false) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(vet);
    return font;
}

void tekenAchtergrond(QPainter &painter) {
    QLinearGradient verloop(0, 0, kBreedte, kHoogte);
    verloop.setColorAt(0, QColor(14, 52, 46));
    verloop.setColorAt(1, QColor(5, 24, 26));
    painter.fillRect(0, 0, kBreedte, kHoogte, verloop);
    // The holes of a perforated board, faint, on a 10-pixel pitch.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 18));
    for (int y = 5; y < kHoogte; y += 10)
        for (int x = 5; x < kBreedte; x += 10)
            painter.drawEllipse(QPointF(x, y), 1.2, 1.2);
}

void tekenPad(QPainter &painter, QPointF plaats) {
    painter.setPen(QPen(kKoperDonker, 1));
    painter.setBrush(kKoper);
    painter.drawEllipse(plaats, 5.5, 5.5);
    painter.setBrush(QColor(8, 30, 30));
    painter.drawEllipse(plaats, 2, 2);
}

void tekenSporen(QPainter &painter) {
    for (const auto &spoor : kSporen) {
        QPainterPath pad(spoor.front());
        for (size_t i = 1; i < spoor.size(); ++i)
            pad.lineTo(spoor[i]);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(0, 0, 0, 90), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(pad.translated(1, 2));
        painter.setPen(QPen(kKoper, 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPath(pad);
        tekenPad(painter, spoor.back());
    }
}

void tekenChip(QPainter &painter) {
    const QRectF lijf(358, 150, 100, 44);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(190, 190, 196));
    for (int i = 0; i < 4; ++i) {
        painter.drawRect(QRectF(368 + 24 * i, 142, 8, 9));
        painter.drawRect(QRectF(368 + 24 * i, 193, 8, 9));
    }
    painter.setBrush(QColor(0, 0, 0, 110));
    painter.drawRoundedRect(lijf.translated(2, 3), 3, 3);
    painter.setBrush(QColor(28, 28, 32));
    painter.drawRoundedRect(lijf, 3, 3);
    painter.setBrush(QColor(60, 60, 66));
    painter.drawEllipse(QPointF(lijf.left() + 8, lijf.center().y()), 5, 5);
    painter.setPen(QColor(170, 170, 176));
    painter.setFont(lettertype(12, true));
    painter.drawText(lijf.adjusted(14, 0, 0, 0), Qt::AlignCenter, QStringLiteral("VTX-01"));
}

// A resistor standing upright at the right edge, with its colour bands.
void tekenWeerstand(QPainter &painter) {
    painter.setPen(QPen(QColor(200, 200, 205), 2));
    painter.drawLine(QPointF(480, 150), QPointF(480, 222));
    const QRectF lijf(473, 167, 14, 38);
    painter.setPen(QPen(QColor(120, 96, 60), 1));
    painter.setBrush(QColor(222, 196, 150));
    painter.drawRoundedRect(lijf, 6, 6);
    const std::array<QColor, 4> banden = {QColor(150, 75, 0), QColor(20, 20, 20),
                                          QColor(220, 30, 30), QColor(212, 175, 55)};
    painter.setPen(Qt::NoPen);
    for (size_t i = 0; i < banden.size(); ++i) {
        painter.setBrush(banden[i]);
        const qreal boven = lijf.top() + 6 + 7 * int(i) + (i == 3 ? 4 : 0);
        painter.drawRect(QRectF(lijf.left(), boven, lijf.width(), 4));
    }
}

void tekenLed(QPainter &painter, QPointF midden) {
    QRadialGradient gloed(midden, 34);
    gloed.setColorAt(0, QColor(255, 60, 40, 150));
    gloed.setColorAt(1, QColor(255, 60, 40, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(gloed);
    painter.drawEllipse(midden, 34, 34);
    QRadialGradient koepel(midden - QPointF(3, 3), 11);
    koepel.setColorAt(0, QColor(255, 210, 200));
    koepel.setColorAt(0.35, QColor(255, 70, 50));
    koepel.setColorAt(1, QColor(150, 10, 10));
    painter.setBrush(koepel);
    painter.setPen(QPen(QColor(110, 10, 10), 1));
    painter.drawEllipse(midden, 10, 10);
}

void tekenBliksem(QPainter &painter, QPointF plaats) {
    QPainterPath bliksem;
    bliksem.moveTo(plaats + QPointF(14, 0));
    bliksem.lineTo(plaats + QPointF(0, 26));
    bliksem.lineTo(plaats + QPointF(11, 26));
    bliksem.lineTo(plaats + QPointF(5, 46));
    bliksem.lineTo(plaats + QPointF(24, 17));
    bliksem.lineTo(plaats + QPointF(13, 17));
    bliksem.lineTo(plaats + QPointF(22, 0));
    bliksem.closeSubpath();
    QLinearGradient geel(plaats, plaats + QPointF(0, 46));
    geel.setColorAt(0, QColor(255, 240, 120));
    geel.setColorAt(1, QColor(255, 170, 20));
    painter.setPen(QPen(QColor(120, 70, 0), 1.2));
    painter.setBrush(geel);
    painter.drawPath(bliksem);
}

void tekenNaam(QPainter &painter) {
    QFont font = lettertype(50, true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1);
    QPainterPath naam;
    naam.addText(QPointF(282, 62), font, QStringLiteral("Voltarix"));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 120));
    painter.drawPath(naam.translated(2, 3));
    QLinearGradient goud(0, 22, 0, 62);
    goud.setColorAt(0, QColor(255, 236, 170));
    goud.setColorAt(1, QColor(226, 150, 50));
    painter.setPen(QPen(QColor(90, 50, 10), 1));
    painter.setBrush(goud);
    painter.drawPath(naam);
    tekenBliksem(painter, QPointF(254, 18));
    painter.setPen(QColor(200, 226, 214));
    QFont schuin = lettertype(12);
    schuin.setItalic(true);
    painter.setFont(schuin);
    painter.drawText(QRectF(282, 64, 206, 18), Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("schakelingen tekenen met bouwstenen"));
}

// Darker, quieter areas where the title screen puts its texts.
void tekenTekstVlakken(QPainter &painter) {
    painter.setPen(QPen(QColor(120, 190, 170, 70), 1));
    painter.setBrush(QColor(0, 0, 0, 110));
    painter.drawRoundedRect(QRectF(10.5, 12.5, 226, 74), 6, 6);
    painter.drawRoundedRect(QRectF(10.5, 124.5, 316, 190), 6, 6);
}

} // namespace

QImage teken(qreal schaal) {
    QImage plaatje((QSizeF(kBreedte, kHoogte) * schaal).toSize(), QImage::Format_RGB32);
    // Painting then counts in the picture's own pixels, each `schaal` device pixels.
    plaatje.setDevicePixelRatio(qreal(plaatje.width()) / kBreedte);
    QPainter painter(&plaatje);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    tekenAchtergrond(painter);
    tekenSporen(painter);
    tekenWeerstand(painter);
    tekenChip(painter);
    tekenLed(painter, QPointF(470, 250));
    tekenTekstVlakken(painter);
    tekenNaam(painter);
    painter.end();
    return plaatje;
}

} // namespace TitelPlaatje
