#include "Symbolen.h"
#include "SymboolPen.h"

// Lamps, sound, motors, displays and meters.
namespace {

using Size = PixelFont::Size;

// A round part of radius 11 between the leads.
void rond(SymboolPen &pen) {
    pen.draadLinks(13);
    pen.cirkel(24, 24, 11);
    pen.draadRechts(35);
}

void lamp(SymboolPen &pen) {
    rond(pen);
    pen.lijn(16, 16, 32, 32);
    pen.lijn(16, 32, 32, 16);
}

void neonlamp(SymboolPen &pen) {
    rond(pen);
    pen.lijn(20, 18, 20, 30);
    pen.lijn(28, 18, 28, 30);
    pen.knoop(24, 18);
}

void zoemer(SymboolPen &pen) {
    pen.draadLinks(14);
    pen.doos(14, 22, 34, 30);
    pen.boog(24, 22, 10, 0, 180);
    pen.draadRechts(34);
    pen.tekst(8, 14, QStringLiteral("+"));
}

// The loudspeaker faces up: magnet between the leads, cone above it.
void luidspreker(SymboolPen &pen) {
    pen.draadLinks(16);
    pen.doos(16, 20, 32, 28);
    pen.draadRechts(32);
    pen.lijnen({{16, 20}, {8, 8}, {40, 8}, {32, 20}});
}

void motor(SymboolPen &pen) {
    rond(pen);
    pen.tekstMidden(24, 21, QStringLiteral("M"), Size::Large);
}

// The display seen from the front, all segments lit; a picture, without leads.
void zevenSegment(SymboolPen &pen) {
    const QRgb huis = qRgb(40, 40, 40), segment = qRgb(230, 30, 30);
    pen.vlak(12, 5, 37, 43, huis);
    pen.doos(12, 5, 37, 43);
    pen.vlak(18, 9, 29, 10, segment);  // a
    pen.vlak(30, 11, 31, 22, segment); // b
    pen.vlak(30, 26, 31, 37, segment); // c
    pen.vlak(18, 38, 29, 39, segment); // d
    pen.vlak(16, 26, 17, 37, segment); // e
    pen.vlak(16, 11, 17, 22, segment); // f
    pen.vlak(18, 23, 29, 24, segment); // g
    pen.vlak(33, 38, 34, 39, segment); // dp
}

void meter(SymboolPen &pen, const QString &letter) {
    rond(pen);
    pen.tekstMidden(24, 21, letter, Size::Large);
}

void voltmeter(SymboolPen &pen) {
    meter(pen, QStringLiteral("V"));
}
void amperemeter(SymboolPen &pen) {
    meter(pen, QStringLiteral("A"));
}
void ohmmeter(SymboolPen &pen) {
    meter(pen, QString(QChar(0x03A9)));
}
void wattmeter(SymboolPen &pen) {
    meter(pen, QStringLiteral("W"));
}
void galvanometer(SymboolPen &pen) {
    rond(pen);
    pen.pijl(18, 31, 30, 16);
}

} // namespace

QVector<Symbool> Symbolen::uitvoer() {
    const QString u = QStringLiteral("Uitvoer"), m = QStringLiteral("Meters");
    return {
        {u, QStringLiteral("Lamp"), lamp},
        {u, QStringLiteral("Neonlamp"), neonlamp},
        {u, QStringLiteral("Zoemer"), zoemer},
        {u, QStringLiteral("Luidspreker"), luidspreker},
        {u, QStringLiteral("Motor"), motor},
        {u, QStringLiteral("7-segment display"), zevenSegment},
        {m, QStringLiteral("Voltmeter"), voltmeter},
        {m, QStringLiteral("Amperemeter"), amperemeter},
        {m, QStringLiteral("Ohmmeter"), ohmmeter},
        {m, QStringLiteral("Wattmeter"), wattmeter},
        {m, QStringLiteral("Galvanometer"), galvanometer},
    };
}
