#include "HelpPlaatjes.h"

#include "HelpTekenen.h"
#include "Onderdelen.h"

#include <QPainter>

// Pictures of the components themselves: the part pictures of the breadboard,
// enlarged, beside their symbols, with what each leg is.
namespace HelpPlaatjes {

namespace {

using namespace HelpTekenen;

// The colour-code resistor, drawn large: four bands and what each one means.
QImage weerstand() {
    QImage beeld = doek(520, 200);
    QPainter p(&beeld);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(150, 150, 155), 5));
    p.drawLine(10, 50, 420, 50);
    p.setPen(QPen(QColor(60, 50, 40), 2));
    p.setBrush(QColor(222, 190, 135));
    p.drawRoundedRect(QRectF(110, 22, 200, 56), 26, 26);
    const QColor banden[] = {QColor(240, 215, 30), QColor(145, 60, 185), QColor(125, 65, 20),
                             QColor(200, 165, 50)};
    const int x[] = {140, 170, 200, 270};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 4; ++i) {
        p.setBrush(banden[i]);
        p.drawRect(QRectF(x[i] - 7, 23, 14, 54));
    }
    const QString uitleg[] = {
        QStringLiteral("1e cijfer: geel = 4"), QStringLiteral("2e cijfer: violet = 7"),
        QStringLiteral("vermenigvuldiger: bruin = x 10"), QStringLiteral("tolerantie: goud = 5 %")};
    // The last band's caption on top, so that no line crosses another.
    for (int i = 0; i < 4; ++i) {
        const int y = 100 + 22 * (3 - i);
        p.setPen(QPen(QColor(90, 90, 110), 1));
        p.drawPolyline(QPolygon({QPoint(x[i], 80), QPoint(x[i], y - 4), QPoint(300, y - 4)}));
        schrijf(p, QPoint(306, y), uitleg[i]);
    }
    schrijf(p, QPoint(20, 190), QStringLiteral("47 x 10 = 470 Ohm"), 12, true);
    return beeld;
}

QImage led() {
    const Onderdeel deel = onderdeel(QStringLiteral("LED rood"));
    QImage beeld = doek(430, 240);
    QPainter p(&beeld);
    const int factor = 4;
    const QPoint plek(20, 10);
    p.drawImage(plek, vergroot(deel.beeld, factor));
    p.setRenderHint(QPainter::Antialiasing);
    const QPoint anode = plek + deel.pootjes[0] * factor, kathode = plek + deel.pootjes[1] * factor;
    wijs(p, anode, anode + QPoint(-10, 28), QStringLiteral("anode (+)"));
    wijs(p, kathode, kathode + QPoint(40, 18), QStringLiteral("kathode (-)"));
    p.drawImage(QPoint(280, 40), vergroot(symbool(QStringLiteral("LED rood")), 2));
    schrijf(p, QPoint(282, 150), QStringLiteral("A"), 11, true);
    schrijf(p, QPoint(362, 150), QStringLiteral("K"), 11, true);
    schrijf(p, QPoint(300, 30), QStringLiteral("symbool"), 10);
    return beeld;
}

QImage condensatoren() {
    const Onderdeel keramisch = onderdeel(QStringLiteral("Condensator keramisch"));
    const Onderdeel elco = onderdeel(QStringLiteral("Elco"));
    QImage beeld = doek(470, 220);
    QPainter p(&beeld);
    p.drawImage(QPoint(20, 20), vergroot(keramisch.beeld, 3));
    p.drawImage(QPoint(250, 0), vergroot(elco.beeld, 3));
    p.setRenderHint(QPainter::Antialiasing);
    schrijf(p, QPoint(10, 200), QStringLiteral("keramisch: 104 = 100 nF"), 10);
    schrijf(p, QPoint(230, 200), QStringLiteral("elco: de streep staat bij de min"), 10);
    p.drawImage(QPoint(140, 40), vergroot(symbool(QStringLiteral("Condensator")), 2));
    p.drawImage(QPoint(370, 40), vergroot(symbool(QStringLiteral("Elco")), 2));
    return beeld;
}

QImage diode() {
    const Onderdeel deel = onderdeel(QStringLiteral("Diode 1N4001"));
    QImage beeld = doek(430, 120);
    QPainter p(&beeld);
    p.drawImage(QPoint(10, 10), vergroot(deel.beeld, 3));
    p.drawImage(QPoint(300, 8), vergroot(symbool(QStringLiteral("Diode")), 2));
    p.setRenderHint(QPainter::Antialiasing);
    schrijf(p, QPoint(10, 100), QStringLiteral("anode"), 10);
    schrijf(p, QPoint(150, 100), QStringLiteral("ring = kathode"), 10);
    schrijf(p, QPoint(300, 114), QStringLiteral("A"), 11, true);
    schrijf(p, QPoint(384, 114), QStringLiteral("K"), 11, true);
    return beeld;
}

QImage transistor() {
    const Onderdeel deel = onderdeel(QStringLiteral("Transistor BC547"));
    QImage beeld = doek(400, 230);
    QPainter p(&beeld);
    const int factor = 4;
    const QPoint plek(20, 0);
    p.drawImage(plek, vergroot(deel.beeld, factor));
    p.setRenderHint(QPainter::Antialiasing);
    // Seen on the flat side: collector, base, emitter.
    const QString namen[] = {QStringLiteral("C"), QStringLiteral("B"), QStringLiteral("E")};
    for (int i = 0; i < 3; ++i)
        schrijf(p, plek + deel.pootjes[i] * factor + QPoint(-5, 26), namen[i], 12, true);
    p.drawImage(QPoint(260, 40), vergroot(symbool(QStringLiteral("Transistor NPN")), 2));
    schrijf(p, QPoint(316, 36), QStringLiteral("C"), 11, true);
    schrijf(p, QPoint(244, 98), QStringLiteral("B"), 11, true);
    schrijf(p, QPoint(316, 150), QStringLiteral("E"), 11, true);
    return beeld;
}

// A DIL chip with its pins counted from the notch, anticlockwise seen from above.
QImage ic() {
    const Onderdeel deel = onderdeel(QStringLiteral("IC DIP-8"));
    const int factor = 3, perKant = int(deel.pootjes.size()) / 2;
    QImage beeld = doek(deel.beeld.width() * factor + 40, deel.beeld.height() * factor + 40);
    QPainter p(&beeld);
    const QPoint plek(20, 20);
    p.drawImage(plek, vergroot(deel.beeld, factor));
    p.setRenderHint(QPainter::Antialiasing);
    for (int k = 0; k < perKant; ++k) {
        const QPoint boven = plek + deel.pootjes[k] * factor,
                     onder = plek + deel.pootjes[perKant + k] * factor;
        schrijf(p, onder + QPoint(-4, 22), QString::number(k + 1), 11, true);
        schrijf(p, boven + QPoint(-4, -10), QString::number(2 * perKant - k), 11, true);
    }
    return beeld;
}

} // namespace

QVector<Plaatje> alle() {
    QVector<Plaatje> plaatjes = {
        {QStringLiteral("weerstand.png"), weerstand()},
        {QStringLiteral("led.png"), led()},
        {QStringLiteral("condensatoren.png"), condensatoren()},
        {QStringLiteral("diode.png"), diode()},
        {QStringLiteral("transistor.png"), transistor()},
        {QStringLiteral("ic.png"), ic()},
    };
    plaatjes += overzichten();
    return plaatjes;
}

} // namespace HelpPlaatjes
