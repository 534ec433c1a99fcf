#include "Symbolen.h"
#include "SymboolPen.h"

// Diodes, LEDs, transistors and thyristors. Diodes lie with the anode on the left;
// transistors have the base (or gate) on the left and the collector (or drain) on top.
namespace {

constexpr QRgb kZwart = SymboolPen::kZwart;

// A diode triangle pointing right with its cathode bar, filled in `vulling`.
void diodeLichaam(SymboolPen &pen, QRgb vulling) {
    pen.draadLinks(17);
    pen.veelhoek({{17, 15}, {17, 33}, {31, 24}}, vulling);
    pen.vlak(31, 15, 32, 33, kZwart);
    pen.draadRechts(32);
}

void diode(SymboolPen &pen) {
    diodeLichaam(pen, kZwart);
}

void zenerdiode(SymboolPen &pen) {
    diodeLichaam(pen, kZwart);
    pen.lijn(31, 15, 28, 12);
    pen.lijn(32, 33, 35, 36);
}

void schottkydiode(SymboolPen &pen) {
    diodeLichaam(pen, kZwart);
    pen.lijnen({{31, 15}, {28, 15}, {28, 17}});
    pen.lijnen({{32, 33}, {35, 33}, {35, 31}});
}

void fotodiode(SymboolPen &pen) {
    diodeLichaam(pen, kZwart);
    pen.pijl(33, 3, 27, 11);
    pen.pijl(40, 5, 34, 13);
}

// An LED: the diode filled in its light's colour, with two arrows of light.
void led(SymboolPen &pen, QRgb kleur) {
    diodeLichaam(pen, kleur);
    pen.pijl(26, 13, 32, 5);
    pen.pijl(32, 15, 38, 7);
}

void ledRood(SymboolPen &pen) {
    led(pen, qRgb(230, 0, 0));
}
void ledGroen(SymboolPen &pen) {
    led(pen, qRgb(0, 190, 0));
}
void ledGeel(SymboolPen &pen) {
    led(pen, qRgb(250, 220, 0));
}
void ledBlauw(SymboolPen &pen) {
    led(pen, qRgb(0, 90, 255));
}
void ledOranje(SymboolPen &pen) {
    led(pen, qRgb(255, 140, 0));
}
void ledWit(SymboolPen &pen) {
    led(pen, Surface::kWhite);
}

// The bridge: four diodes drawn as one diode in a diamond; alternating current in
// on the left and right, plus on top, minus below.
void gelijkrichterbrug(SymboolPen &pen) {
    pen.draadLinks(8);
    pen.draadRechts(40);
    pen.draadBoven(8);
    pen.draadOnder(40);
    pen.lijnen({{24, 8}, {40, 24}, {24, 40}, {8, 24}, {24, 8}});
    pen.veelhoek({{18, 30}, {30, 30}, {24, 20}}, kZwart);
    pen.lijn(18, 19, 30, 19);
    pen.tekst(27, 2, QStringLiteral("+"));
    pen.tekst(27, 42, QStringLiteral("-"));
}

// The bipolar transistor: base bar on the left, collector and emitter leads bent
// to the top and bottom middle, all in a circle.
void transistorLichaam(SymboolPen &pen) {
    pen.cirkel(22, 24, 13);
    pen.draadLinks(15);
    pen.vlak(15, 16, 16, 32, kZwart);
}

void npn(SymboolPen &pen) {
    transistorLichaam(pen);
    pen.lijnen({{17, 20}, {24, 13}, {24, 0}});
    pen.pijl(17, 28, 23, 34);
    pen.draadOnder(34);
}

void pnp(SymboolPen &pen) {
    transistorLichaam(pen);
    // The emitter, with the arrow pointing in, goes to the plus on top.
    pen.draadBoven(14);
    pen.pijl(24, 14, 18, 20);
    pen.lijnen({{17, 28}, {24, 35}, {24, 48}});
}

void fototransistor(SymboolPen &pen) {
    pen.cirkel(22, 24, 13);
    pen.vlak(15, 16, 16, 32, kZwart);
    pen.lijnen({{17, 20}, {24, 13}, {24, 0}});
    pen.pijl(17, 28, 23, 34);
    pen.draadOnder(34);
    pen.pijl(2, 10, 11, 18);
    pen.pijl(2, 19, 11, 27);
}

// The MOSFET: gate plate, a channel of three pieces, drain on top, source below,
// the body joined to the source. `nKanaal` decides the arrow's direction.
void mosfet(SymboolPen &pen, bool nKanaal) {
    pen.cirkel(22, 24, 13);
    pen.draadLinks(12);
    pen.lijn(12, 16, 12, 32);
    pen.lijn(15, 15, 15, 18);
    pen.lijn(15, 22, 15, 26);
    pen.lijn(15, 30, 15, 33);
    pen.lijnen({{15, 17}, {24, 17}, {24, 0}});
    pen.lijnen({{15, 31}, {24, 31}, {24, 48}});
    pen.lijn(24, 24, 24, 31);
    if (nKanaal)
        pen.pijl(24, 24, 16, 24);
    else
        pen.pijl(16, 24, 23, 24);
}

void mosfetN(SymboolPen &pen) {
    mosfet(pen, true);
}

void mosfetP(SymboolPen &pen) {
    mosfet(pen, false);
}

void thyristor(SymboolPen &pen) {
    diodeLichaam(pen, kZwart);
    pen.lijnen({{32, 33}, {24, 41}, {24, 48}});
}

void triac(SymboolPen &pen) {
    pen.draadLinks(16);
    pen.lijn(16, 12, 16, 36);
    pen.veelhoek({{17, 13}, {17, 23}, {31, 18}}, kZwart);
    pen.veelhoek({{31, 25}, {31, 35}, {17, 30}}, kZwart);
    pen.lijn(32, 12, 32, 36);
    pen.draadRechts(32);
    pen.lijnen({{32, 36}, {24, 42}, {24, 48}});
}

} // namespace

QVector<Symbool> Symbolen::halfgeleiders() {
    const QString h = QStringLiteral("Halfgeleiders");
    return {
        {h, QStringLiteral("Diode"), diode},
        {h, QStringLiteral("Zenerdiode"), zenerdiode},
        {h, QStringLiteral("Schottkydiode"), schottkydiode},
        {h, QStringLiteral("Fotodiode"), fotodiode},
        {h, QStringLiteral("LED rood"), ledRood},
        {h, QStringLiteral("LED groen"), ledGroen},
        {h, QStringLiteral("LED geel"), ledGeel},
        {h, QStringLiteral("LED blauw"), ledBlauw},
        {h, QStringLiteral("LED oranje"), ledOranje},
        {h, QStringLiteral("LED wit"), ledWit},
        {h, QStringLiteral("Gelijkrichterbrug"), gelijkrichterbrug},
        {h, QStringLiteral("Transistor NPN"), npn},
        {h, QStringLiteral("Transistor PNP"), pnp},
        {h, QStringLiteral("Fototransistor"), fototransistor},
        {h, QStringLiteral("MOSFET N-kanaal"), mosfetN},
        {h, QStringLiteral("MOSFET P-kanaal"), mosfetP},
        {h, QStringLiteral("Thyristor"), thyristor},
        {h, QStringLiteral("Triac"), triac},
    };
}
