#include "editor/KnopPlaatjes.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <functional>

namespace KnopPlaatjes {

namespace {

// One palette for every button, so that the row reads as one set.
const QColor kOmtrek(40, 44, 52);
const QColor kPapier(252, 252, 248);
const QColor kLichtGrijs(200, 204, 212);
const QColor kGrijs(150, 156, 168);
const QColor kBlauw(45, 105, 190);
const QColor kGroen(55, 150, 75);
const QColor kRood(200, 55, 45);
const QColor kGeel(245, 200, 60);
const QColor kOranje(230, 140, 40);
const QColor kBeige(232, 222, 190);

using Tekening = std::function<void(QPainter &)>;

// A transparent picture with `tekening` painted on it, antialiased, with the dark
// outline pen already set. The picture holds `schaal` device pixels to each of its
// `size` pixels, so that a scaled desktop shows the shapes sharp.
QImage teken(QSize size, qreal schaal, const Tekening &tekening) {
    QImage picture((QSizeF(size) * schaal).toSize(), QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(qreal(picture.width()) / size.width());
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kOmtrek, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    tekening(painter);
    return picture;
}

QImage teken(qreal schaal, const Tekening &tekening) {
    return teken(QSize(kMaat, kMaat), schaal, tekening);
}

void vlak(QPainter &painter, const QPolygonF &vorm, const QColor &kleur) {
    painter.setBrush(kleur);
    painter.drawPolygon(vorm);
}

void regels(QPainter &painter, qreal x1, qreal x2, qreal y, int aantal, qreal stap) {
    painter.setPen(QPen(kGrijs, 2, Qt::SolidLine, Qt::FlatCap));
    for (int i = 0; i < aantal; ++i)
        painter.drawLine(QPointF(x1, y + stap * i), QPointF(x2, y + stap * i));
    painter.setPen(QPen(kOmtrek, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void ster(QPainter &painter, QPointF midden, qreal buiten, qreal binnen) {
    QPolygonF punten;
    for (int i = 0; i < 16; ++i) {
        const qreal hoek = M_PI * i / 8.0, straal = i % 2 ? binnen : buiten;
        punten << midden + QPointF(straal * std::sin(hoek), -straal * std::cos(hoek));
    }
    painter.setPen(QPen(kOranje, 1.5));
    vlak(painter, punten, kGeel);
}

void nieuw(QPainter &p) {
    vlak(p, QPolygonF({{11, 5}, {29, 5}, {38, 14}, {38, 44}, {11, 44}}), kPapier);
    vlak(p, QPolygonF({{29, 5}, {29, 14}, {38, 14}}), kLichtGrijs);
    ster(p, {35, 36}, 11, 5);
}

void openen(QPainter &p) {
    vlak(p, QPolygonF({{5, 11}, {18, 11}, {22, 15}, {40, 15}, {40, 41}, {5, 41}}),
         QColor(215, 165, 45));
    vlak(p, QPolygonF({{5, 41}, {11, 22}, {46, 22}, {40, 41}}), kGeel);
}

void opslaan(QPainter &p) {
    vlak(p, QPolygonF({{7, 7}, {37, 7}, {42, 12}, {42, 42}, {7, 42}}), kBlauw);
    p.setBrush(kLichtGrijs);
    p.drawRect(QRectF(15, 7, 19, 12));
    p.setBrush(kOmtrek);
    p.drawRect(QRectF(27, 10, 3, 6));
    p.setBrush(kPapier);
    p.drawRect(QRectF(12, 25, 25, 17));
    regels(p, 16, 33, 30, 3, 4.5);
}

void afdrukken(QPainter &p) {
    p.setBrush(kPapier);
    p.drawRect(QRectF(14, 5, 21, 14));
    p.setBrush(kLichtGrijs);
    p.drawRoundedRect(QRectF(5, 17, 39, 18), 4, 4);
    p.setBrush(kGroen);
    p.drawEllipse(QPointF(38, 22), 2, 2);
    p.setBrush(kPapier);
    p.drawRect(QRectF(13, 28, 23, 17));
    regels(p, 17, 32, 33, 3, 4);
}

void ontwerpblad(QPainter &p) {
    p.setBrush(kPapier);
    p.drawRect(QRectF(5, 5, 39, 39));
    p.setPen(QPen(kLichtGrijs, 1));
    for (qreal v : {18.0, 31.0}) {
        p.drawLine(QPointF(v, 6), QPointF(v, 43));
        p.drawLine(QPointF(6, v), QPointF(43, v));
    }
    // A tiny circuit across the middle row: a resistor and an LED on one wire.
    p.setPen(QPen(kOmtrek, 2));
    p.drawLine(QPointF(6, 24.5), QPointF(43, 24.5));
    p.setBrush(kBeige);
    p.drawRect(QRectF(8, 21, 8, 7));
    vlak(p, QPolygonF({{33, 20}, {33, 29}, {40, 24.5}}), kRood);
    p.drawLine(QPointF(40, 20), QPointF(40, 29));
}

void componentenlijst(QPainter &p) {
    vlak(p, QPolygonF({{9, 5}, {40, 5}, {40, 44}, {9, 44}}), kPapier);
    const QColor bolletjes[] = {kRood, kGroen, kBlauw, kOranje, kGrijs};
    for (int i = 0; i < 5; ++i) {
        const qreal y = 11 + 7 * i;
        p.setPen(Qt::NoPen);
        p.setBrush(bolletjes[i]);
        p.drawRect(QRectF(13, y - 2, 4, 4));
        regels(p, 20, 36, y, 1, 0);
    }
}

void breadboard(QPainter &p) {
    p.setBrush(kBeige);
    p.drawRoundedRect(QRectF(3, 9, 43, 31), 3, 3);
    p.setPen(QPen(kRood, 1.5));
    p.drawLine(QPointF(7, 13.5), QPointF(42, 13.5));
    p.setPen(QPen(kBlauw, 1.5));
    p.drawLine(QPointF(7, 35.5), QPointF(42, 35.5));
    p.setPen(Qt::NoPen);
    p.setBrush(kGrijs);
    for (int kolom = 0; kolom < 8; ++kolom)
        for (qreal y : {18.0, 22.0, 27.0, 31.0})
            p.drawRect(QRectF(7.5 + 4.5 * kolom, y - 1, 2, 2));
    p.setPen(QPen(kGroen, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath draad(QPointF(12.5, 22));
    draad.cubicTo(QPointF(14, 10), QPointF(34, 10), QPointF(35.5, 27));
    p.drawPath(draad);
}

void informatie(QPainter &p) {
    p.setBrush(kBlauw);
    p.drawEllipse(QRectF(4, 4, 41, 41));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(24.5, 14.5), 3.5, 3.5);
    p.drawRoundedRect(QRectF(21, 20.5, 7, 17), 2, 2);
}

void index(QPainter &p) {
    p.setBrush(kBeige);
    p.drawRect(QRectF(11, 22, 27, 21));
    vlak(p, QPolygonF({{5, 24}, {24.5, 6}, {44, 24}}), kRood);
    p.setBrush(QColor(140, 90, 50));
    p.drawRect(QRectF(14, 29, 8, 14));
    p.setBrush(QColor(170, 210, 240));
    p.drawRect(QRectF(27, 28, 7, 7));
}

// The four shift arrows are one arrow pointing left, turned about the middle.
QImage pijl(qreal graden, qreal schaal) {
    return teken(schaal, [graden](QPainter &p) {
        p.translate(kMaat / 2.0, kMaat / 2.0);
        p.rotate(graden);
        p.translate(-kMaat / 2.0, -kMaat / 2.0);
        p.setPen(QPen(QColor(30, 95, 45), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        vlak(p,
             QPolygonF(
                 {{5, 24.5}, {24, 7}, {24, 17.5}, {44, 17.5}, {44, 31.5}, {24, 31.5}, {24, 42}}),
             kGroen);
    });
}

void weerstand(QPainter &p) {
    p.setPen(QPen(kGrijs, 3, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(1, 24.5), QPointF(48, 24.5));
    p.setPen(QPen(kOmtrek, 2));
    p.setBrush(QColor(225, 195, 140));
    p.drawRoundedRect(QRectF(10, 15, 29, 19), 6, 6);
    p.setPen(Qt::NoPen);
    const QColor banden[] = {QColor(130, 75, 30), Qt::black, kRood, QColor(200, 160, 40)};
    const qreal x[] = {15, 20.5, 26, 32.5};
    for (int i = 0; i < 4; ++i) {
        p.setBrush(banden[i]);
        p.drawRect(QRectF(x[i], 16, 3, 17));
    }
}

void tekst(QPainter &p) {
    vlak(p,
         QPolygonF({{8, 6},
                    {41, 6},
                    {41, 16},
                    {37, 16},
                    {35, 12},
                    {28, 12},
                    {28, 39},
                    {32, 39},
                    {32, 44},
                    {17, 44},
                    {17, 39},
                    {21, 39},
                    {21, 12},
                    {14, 12},
                    {12, 16},
                    {8, 16}}),
         kOmtrek);
}

void designer(QPainter &p) {
    p.setBrush(kPapier);
    p.drawRect(QRectF(3, 3, 36, 36));
    p.setPen(QPen(kLichtGrijs, 1));
    for (int i = 1; i < 6; ++i) {
        p.drawLine(QPointF(3 + 6 * i, 4), QPointF(3 + 6 * i, 38));
        p.drawLine(QPointF(4, 3 + 6 * i), QPointF(38, 3 + 6 * i));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(kBlauw);
    for (QPoint vakje : {QPoint(1, 1), QPoint(2, 1), QPoint(1, 2), QPoint(1, 3), QPoint(2, 3)})
        p.drawRect(QRectF(3 + 6 * vakje.x(), 3 + 6 * vakje.y(), 6, 6));
    // The pencil, lying from the lower right towards the grid.
    p.setPen(QPen(kOmtrek, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.translate(29, 29);
    p.rotate(-45);
    vlak(p, QPolygonF({{-4, -5}, {17, -5}, {17, 5}, {-4, 5}}), kGeel);
    vlak(p, QPolygonF({{17, -5}, {22, -5}, {22, 5}, {17, 5}}), QColor(235, 130, 150));
    vlak(p, QPolygonF({{-4, -5}, {-14, 0}, {-4, 5}}), kBeige);
    vlak(p, QPolygonF({{-10.5, -1.8}, {-14, 0}, {-10.5, 1.8}}), kOmtrek);
}

// A dashed mirror axis from a to b.
void as(QPainter &p, QPointF a, QPointF b) {
    p.setPen(QPen(kGrijs, 1.5, Qt::DashLine));
    p.drawLine(a, b);
    p.setPen(QPen(kOmtrek, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

} // namespace

QImage knop(int nummer, qreal schaal) {
    switch (nummer) {
    case 0:
        return teken(schaal, nieuw);
    case 1:
        return teken(schaal, openen);
    case 2:
        return teken(schaal, opslaan);
    case 3:
        return teken(schaal, afdrukken);
    case 5:
        return teken(schaal, ontwerpblad);
    case 6:
        return teken(schaal, componentenlijst);
    case 7:
        return teken(schaal, breadboard);
    case 8:
        return teken(schaal, informatie);
    case 10:
        return teken(schaal, index);
    case 12:
    case 13:
    case 14:
    case 15:
        return pijl(90.0 * (nummer - 12), schaal);
    default:
        return {};
    }
}

QImage knop2(int nummer, qreal schaal) {
    switch (nummer) {
    case 0:
        return teken(schaal, weerstand);
    case 1:
        return teken(schaal, tekst);
    case 2:
        return teken(schaal, designer);
    default:
        return {};
    }
}

QImage spiegelLinksRechts(QSize size, qreal schaal) {
    return teken(size, schaal, [size](QPainter &p) {
        const qreal w = size.width(), h = size.height(), m = w / 2, top = 2, bottom = h - 2;
        as(p, {m, 1}, {m, h - 1});
        vlak(p, QPolygonF({{m - 3, top}, {m - 3, bottom}, {3, (top + bottom) / 2}}), kBlauw);
        vlak(p, QPolygonF({{m + 3, top}, {m + 3, bottom}, {w - 3, (top + bottom) / 2}}),
             kLichtGrijs);
    });
}

QImage spiegelBovenOnder(QSize size, qreal schaal) {
    return teken(size, schaal, [size](QPainter &p) {
        const qreal w = size.width(), h = size.height(), m = h / 2;
        const qreal breed = std::min(w - 4, 1.4 * h), left = (w - breed) / 2, right = left + breed;
        as(p, {1, m}, {w - 1, m});
        vlak(p, QPolygonF({{left, m - 2}, {right, m - 2}, {w / 2, 2}}), kBlauw);
        vlak(p, QPolygonF({{left, m + 2}, {right, m + 2}, {w / 2, h - 2}}), kLichtGrijs);
    });
}

QImage kwartslag(QSize size, qreal schaal) {
    return teken(size, schaal, [size](QPainter &p) {
        const qreal zijde = std::min(size.width(), size.height()) - 6;
        const QRectF cirkel((size.width() - zijde) / 2, (size.height() - zijde) / 2, zijde, zijde);
        // Three quarters of a circle, clockwise from the top, with the head at its end.
        p.setPen(QPen(kBlauw, std::max(2.0, zijde / 8), Qt::SolidLine, Qt::FlatCap));
        p.drawArc(cirkel, 90 * 16, -270 * 16);
        const QPointF eind(cirkel.left(), cirkel.center().y());
        const qreal kop = std::max(3.0, zijde / 3.5);
        p.setPen(QPen(kBlauw, 1));
        vlak(p,
             QPolygonF({eind + QPointF(-kop, 0), eind + QPointF(kop, 0), eind + QPointF(0, -kop)}),
             kBlauw);
    });
}

} // namespace KnopPlaatjes
