#include "symbols/DesignerKnoppen.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

#include <functional>

namespace DesignerKnoppen {

namespace {

constexpr int kBreedte = 24, kHoogte = 18; // fits the 34 x 25 buttons
const QColor kInkt(20, 20, 20);

QImage teken(int breedte, int hoogte, const std::function<void(QPainter &)> &tekenaar) {
    QImage plaatje(breedte, hoogte, QImage::Format_ARGB32_Premultiplied);
    plaatje.fill(Qt::transparent);
    QPainter painter(&plaatje);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kInkt, 1.2));
    tekenaar(painter);
    return plaatje;
}

void blad(QPainter &p) {
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({{6.5, 1.5}, {14.5, 1.5}, {18.5, 5.5}, {18.5, 16.5}, {6.5, 16.5}}));
    p.drawPolyline(QPolygonF({{14.5, 1.5}, {14.5, 5.5}, {18.5, 5.5}}));
}

void map(QPainter &p) {
    p.setBrush(QColor(230, 190, 60));
    p.drawPolygon(
        QPolygonF({{2.5, 3.5}, {8.5, 3.5}, {10.5, 5.5}, {19.5, 5.5}, {19.5, 15.5}, {2.5, 15.5}}));
    p.setBrush(QColor(250, 220, 110));
    p.drawPolygon(QPolygonF({{5.5, 8.5}, {22.5, 8.5}, {19.5, 15.5}, {2.5, 15.5}}));
}

void diskette(QPainter &p) {
    p.setBrush(QColor(40, 70, 160));
    p.drawRect(QRectF(4.5, 1.5, 15, 15));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7.5, 1.5, 9, 6));
    p.setBrush(QColor(170, 170, 170));
    p.drawRect(QRectF(7.5, 11.5, 9, 5));
}

void vierkant(QPainter &p) {
    p.setPen(QPen(kInkt, 2));
    p.drawRect(QRectF(5, 2, 14, 14));
}

void draai(QPainter &p) {
    p.setPen(QPen(kInkt, 2));
    p.drawArc(QRectF(5, 3, 13, 13), 100 * 16, -280 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(kInkt);
    p.drawPolygon(QPolygonF({{8.5, 0.5}, {13.5, 3.5}, {8.5, 6.5}}));
}

void spiegel(QPainter &p) {
    p.setBrush(kInkt);
    p.drawPolygon(QPolygonF({{10.5, 3.5}, {10.5, 14.5}, {3.5, 14.5}}));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({{13.5, 3.5}, {13.5, 14.5}, {20.5, 14.5}}));
    p.setPen(QPen(QColor(200, 0, 0), 1, Qt::DotLine));
    p.drawLine(QPointF(12, 0), QPointF(12, 18));
}

void vul(QPainter &p) {
    p.setBrush(QColor(200, 30, 30));
    p.drawRect(QRectF(5.5, 2.5, 13, 13));
}

// A solid arrow pointing to the right, turned by `hoek` degrees.
void pijl(QPainter &p, qreal hoek) {
    p.translate(kBreedte / 2.0, kHoogte / 2.0);
    p.rotate(hoek);
    p.setBrush(QColor(0, 110, 0));
    p.drawPolygon(
        QPolygonF({{-7, -2.5}, {1, -2.5}, {1, -6.5}, {7.5, 0}, {1, 6.5}, {1, 2.5}, {-7, 2.5}}));
}

void negatief(QPainter &p) {
    p.setBrush(Qt::white);
    p.drawRect(QRectF(4.5, 1.5, 15, 15));
    p.setBrush(kInkt);
    p.drawPolygon(QPolygonF({{19.5, 1.5}, {19.5, 16.5}, {4.5, 16.5}}));
}

void cirkel(QPainter &p) {
    p.setPen(QPen(kInkt, 2));
    p.drawEllipse(QRectF(5, 2, 14, 14));
}

void pipet(QPainter &p) {
    // Tip at the bottom left, the rubber bulb at the top right.
    p.setPen(QPen(kInkt, 1.2));
    p.setBrush(QColor(210, 230, 250));
    p.drawPolygon(QPolygonF({{1, 16}, {2.5, 12}, {10, 4.5}, {12.5, 7}, {5, 14.5}}));
    p.setBrush(QColor(200, 30, 30));
    p.drawEllipse(QRectF(10.5, 0.5, 6, 6));
}

} // namespace

QImage plaatje(int index) {
    using Tekenaar = std::function<void(QPainter &)>;
    const Tekenaar tekenaars[] = {blad,
                                  map,
                                  diskette,
                                  vierkant,
                                  draai,
                                  spiegel,
                                  vul,
                                  [](QPainter &p) { pijl(p, 180); },
                                  [](QPainter &p) { pijl(p, 0); },
                                  [](QPainter &p) { pijl(p, -90); },
                                  [](QPainter &p) { pijl(p, 90); },
                                  nullptr,
                                  negatief,
                                  cirkel,
                                  pipet};
    if (index < 1 || index > 15 || !tekenaars[index - 1]) return {};
    if (index == 15) return teken(18, 18, pipet);
    return teken(kBreedte, kHoogte, tekenaars[index - 1]);
}

QImage aanwijzer() {
    return teken(18, 18, pipet);
}

QPoint aanwijzerPunt() {
    return {1, 16};
}

} // namespace DesignerKnoppen
