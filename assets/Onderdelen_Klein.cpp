#include "Onderdelen.h"

// Small parts. Standing parts (LEDs, capacitors, transistor, ...) are seen from the
// front, their body above the holes and their legs running down into them; lying
// parts (resistors, diode) are seen from above with their legs bent into the holes.
namespace {

const QRgb kLicht = qRgb(250, 250, 246); // highlights: never pure white, which stamps as nothing

Onderdeel led(const QString &naam, QRgb kleur) {
    OnderdeelPen pen(2, 1, 3, 38);
    const QPoint g0 = pen.gat(0, 0), g1 = pen.gat(1, 0);
    const int mid = g0.x() + 10, y = g0.y();
    pen.poot({{mid - 4, y - 13}, {mid - 4, y - 10}, {g0.x(), y - 6}, g0});
    pen.poot({{mid + 4, y - 13}, {g1.x(), y - 7}, g1});
    pen.afgerond(QRect(mid - 8, y - 37, 17, 23), 8, kleur);
    pen.vlak(QRect(mid + 3, y - 31, 4, 15), meng(kleur, qRgb(0, 0, 0), 0.25));
    pen.vlak(QRect(mid - 5, y - 32, 2, 9), meng(kleur, kLicht, 0.65));
    pen.doos(QRect(mid - 10, y - 17, 21, 4), meng(kleur, qRgb(0, 0, 0), 0.15));
    return pen.klaar(naam);
}

// A resistor lying across five holes, with its four colour bands.
Onderdeel weerstand(const QString &naam, const QVector<QRgb> &banden) {
    OnderdeelPen pen(5, 1, 2, 8, 2, 8);
    const QPoint g0 = pen.gat(0, 0), g4 = pen.gat(4, 0);
    const int y = g0.y();
    pen.poot({g0.x() + 18, y}, g0);
    pen.poot({g4.x() - 18, y}, g4);
    pen.afgerond(QRect(g0.x() + 16, y - 6, 49, 13), 5, qRgb(222, 190, 135));
    const int posities[] = {23, 30, 37, 53};
    for (int i = 0; i < banden.size() && i < 4; ++i)
        pen.vlak(QRect(g0.x() + posities[i], y - 5, 4, 11), banden[i]);
    return pen.klaar(naam);
}

// Band colours of the resistor code.
const QRgb kZwart = qRgb(20, 20, 20), kBruin = qRgb(125, 65, 20), kRood = qRgb(210, 30, 30),
           kOranje = qRgb(250, 140, 20), kGeel = qRgb(240, 215, 30), kViolet = qRgb(145, 60, 185),
           kGoud = qRgb(200, 165, 50);

Onderdeel keramisch() {
    OnderdeelPen pen(2, 1, 3, 34);
    const QPoint g0 = pen.gat(0, 0), g1 = pen.gat(1, 0);
    const int mid = g0.x() + 10, y = g0.y();
    pen.poot({{mid - 4, y - 15}, {g0.x(), y - 7}, g0});
    pen.poot({{mid + 4, y - 15}, {g1.x(), y - 7}, g1});
    pen.ovaal(QRect(mid - 11, y - 34, 23, 22), qRgb(215, 125, 45));
    pen.tekstMidden(mid + 1, y - 26, QStringLiteral("104"), qRgb(90, 40, 10));
    return pen.klaar(QStringLiteral("Condensator keramisch"));
}

Onderdeel elco() {
    OnderdeelPen pen(2, 1, 4, 48);
    const QPoint g0 = pen.gat(0, 0), g1 = pen.gat(1, 0);
    const int mid = g0.x() + 10, y = g0.y();
    pen.poot({{mid - 5, y - 12}, {g0.x(), y - 6}, g0});
    pen.poot({{mid + 5, y - 12}, {g1.x(), y - 6}, g1});
    const QRgb blauw = qRgb(35, 55, 110);
    pen.doos(QRect(mid - 11, y - 44, 23, 32), blauw);
    // The minus stripe above the minus leg.
    pen.vlak(QRect(mid + 4, y - 43, 6, 30), qRgb(160, 175, 210));
    for (int i = 0; i < 3; ++i)
        pen.vlak(QRect(mid + 5, y - 39 + 9 * i, 4, 2), blauw);
    pen.ovaal(QRect(mid - 11, y - 48, 23, 8), qRgb(175, 180, 190));
    return pen.klaar(QStringLiteral("Elco"));
}

Onderdeel diode() {
    OnderdeelPen pen(4, 1, 2, 7, 2, 7);
    const QPoint g0 = pen.gat(0, 0), g3 = pen.gat(3, 0);
    const int y = g0.y();
    pen.poot({g0.x() + 18, y}, g0);
    pen.poot({g3.x() - 18, y}, g3);
    pen.afgerond(QRect(g0.x() + 17, y - 5, 27, 11), 2, qRgb(35, 35, 38));
    pen.vlak(QRect(g0.x() + 37, y - 4, 4, 9), qRgb(195, 195, 200));
    return pen.klaar(QStringLiteral("Diode 1N4001"));
}

Onderdeel transistor() {
    OnderdeelPen pen(3, 1, 3, 40);
    const QPoint g0 = pen.gat(0, 0), g1 = pen.gat(1, 0), g2 = pen.gat(2, 0);
    const int mid = g1.x(), y = g0.y();
    pen.poot({{mid - 8, y - 16}, {g0.x(), y - 8}, g0});
    pen.poot({mid, y - 16}, g1);
    pen.poot({{mid + 8, y - 16}, {g2.x(), y - 8}, g2});
    const QRgb zwart = qRgb(40, 40, 42);
    pen.afgerond(QRect(mid - 13, y - 40, 27, 20), 8, zwart);
    pen.doos(QRect(mid - 13, y - 30, 27, 14), zwart);
    pen.tekstMidden(mid + 1, y - 28, QStringLiteral("BC547"), qRgb(190, 190, 190));
    return pen.klaar(QStringLiteral("Transistor BC547"));
}

Onderdeel ldr() {
    OnderdeelPen pen(2, 1, 3, 34);
    const QPoint g0 = pen.gat(0, 0), g1 = pen.gat(1, 0);
    const int mid = g0.x() + 10, y = g0.y();
    pen.poot({{mid - 4, y - 15}, {g0.x(), y - 7}, g0});
    pen.poot({{mid + 4, y - 15}, {g1.x(), y - 7}, g1});
    pen.ovaal(QRect(mid - 11, y - 34, 23, 22), qRgb(225, 150, 60));
    const QRgb spoor = qRgb(150, 30, 20);
    for (int i = 0; i < 4; ++i)
        pen.lijn({mid - 6, y - 28 + 3 * i}, {mid + 6, y - 28 + 3 * i}, spoor);
    for (int i = 0; i < 3; ++i)
        pen.lijn({i % 2 ? mid - 6 : mid + 6, y - 28 + 3 * i},
                 {i % 2 ? mid - 6 : mid + 6, y - 25 + 3 * i}, spoor);
    return pen.klaar(QStringLiteral("LDR"));
}

Onderdeel zoemer() {
    OnderdeelPen pen(3, 1, 4, 38, 4);
    const QPoint g0 = pen.gat(0, 0), g2 = pen.gat(2, 0);
    const int mid = pen.gat(1, 0).x(), y = g0.y();
    pen.poot({g0.x(), y - 12}, g0);
    pen.poot({g2.x(), y - 12}, g2);
    const QRgb zwart = qRgb(30, 30, 30);
    pen.ovaal(QRect(mid - 22, y - 22, 45, 12), zwart);
    pen.vlak(QRect(mid - 22, y - 31, 45, 15), zwart);
    pen.ovaal(QRect(mid - 22, y - 38, 45, 14), qRgb(60, 60, 64));
    pen.ovaal(QRect(mid - 3, y - 34, 7, 6), qRgb(10, 10, 10));
    pen.tekst(mid - 16, y - 34, QStringLiteral("+"), qRgb(200, 200, 200));
    return pen.klaar(QStringLiteral("Zoemer"));
}

Onderdeel potentiometer() {
    OnderdeelPen pen(3, 1, 6, 46, 6);
    const QPoint g0 = pen.gat(0, 0), g1 = pen.gat(1, 0), g2 = pen.gat(2, 0);
    const int mid = g1.x(), y = g0.y();
    pen.poot({g0.x(), y - 12}, g0);
    pen.poot({mid, y - 12}, g1);
    pen.poot({g2.x(), y - 12}, g2);
    pen.doos(QRect(mid - 24, y - 46, 49, 34), qRgb(40, 90, 175));
    pen.ovaal(QRect(mid - 12, y - 41, 25, 25), qRgb(228, 228, 218));
    const QRgb gleuf = qRgb(90, 90, 90);
    pen.lijn({mid - 7, y - 29}, {mid + 7, y - 29}, gleuf, 2);
    pen.lijn({mid, y - 36}, {mid, y - 22}, gleuf, 2);
    return pen.klaar(QStringLiteral("Potentiometer"));
}

// A slide switch: the middle leg is joined to the left or the right one, as the
// knob stands; drawn standing right, switched on.
Onderdeel schuifschakelaar() {
    OnderdeelPen pen(3, 1, 6, 32, 6);
    const QPoint g0 = pen.gat(0, 0), g1 = pen.gat(1, 0), g2 = pen.gat(2, 0);
    const int mid = g1.x(), y = g0.y();
    for (const QPoint gat : {g0, g1, g2})
        pen.poot({gat.x(), y - 10}, gat);
    pen.doos(QRect(mid - 26, y - 24, 53, 15), qRgb(40, 40, 44));
    pen.vlak(QRect(mid - 20, y - 20, 41, 7), qRgb(90, 90, 96));
    pen.doos(QRect(mid + 2, y - 31, 11, 16), qRgb(235, 235, 228));
    return pen.klaar(QStringLiteral("Schuifschakelaar"));
}

// A small bulb in its socket, the glass seen from the front.
Onderdeel lampje() {
    OnderdeelPen pen(2, 1, 5, 46, 5);
    const QPoint g0 = pen.gat(0, 0), g1 = pen.gat(1, 0);
    const int mid = g0.x() + 10, y = g0.y();
    pen.poot({{mid - 4, y - 12}, {g0.x(), y - 6}, g0});
    pen.poot({{mid + 4, y - 12}, {g1.x(), y - 6}, g1});
    pen.doos(QRect(mid - 7, y - 22, 15, 11), qRgb(175, 175, 165));
    for (int i = 0; i < 2; ++i)
        pen.lijn({mid - 7, y - 19 + 4 * i}, {mid + 7, y - 19 + 4 * i}, qRgb(120, 120, 112));
    pen.ovaal(QRect(mid - 11, y - 45, 23, 25), qRgb(250, 240, 175));
    pen.lijn({mid - 3, y - 24}, {mid - 3, y - 33}, qRgb(120, 110, 90));
    pen.lijn({mid + 3, y - 24}, {mid + 3, y - 33}, qRgb(120, 110, 90));
    pen.lijn({mid - 3, y - 33}, {mid + 3, y - 33}, qRgb(230, 120, 30), 2);
    return pen.klaar(QStringLiteral("Lampje"));
}

} // namespace

QVector<Onderdeel> Onderdelen::klein() {
    return {
        led(QStringLiteral("LED rood"), qRgb(225, 25, 25)),
        led(QStringLiteral("LED groen"), qRgb(30, 185, 40)),
        led(QStringLiteral("LED geel"), qRgb(245, 215, 20)),
        led(QStringLiteral("LED blauw"), qRgb(30, 90, 235)),
        led(QStringLiteral("LED wit"), qRgb(232, 232, 224)),
        weerstand(QStringLiteral("Weerstand 220 Ohm"), {kRood, kRood, kBruin, kGoud}),
        weerstand(QStringLiteral("Weerstand 470 Ohm"), {kGeel, kViolet, kBruin, kGoud}),
        weerstand(QStringLiteral("Weerstand 1K"), {kBruin, kZwart, kRood, kGoud}),
        weerstand(QStringLiteral("Weerstand 10K"), {kBruin, kZwart, kOranje, kGoud}),
        keramisch(),
        elco(),
        diode(),
        transistor(),
        ldr(),
        zoemer(),
        potentiometer(),
        schuifschakelaar(),
        lampje(),
    };
}
