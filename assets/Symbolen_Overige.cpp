#include "Symbolen.h"
#include "SymboolPen.h"

// Coils, crystal, fuse, antenna, connectors, and the wire pieces that join blocks.
namespace {

constexpr QRgb kZwart = SymboolPen::kZwart;

void zekering(SymboolPen &pen) {
    pen.draadLinks(14);
    pen.doos(14, 20, 34, 28);
    pen.lijn(14, 24, 34, 24);
    pen.draadRechts(34);
}

void kristal(SymboolPen &pen) {
    pen.draadLinks(16);
    pen.lijn(16, 15, 16, 33);
    pen.doos(20, 18, 28, 30);
    pen.lijn(32, 15, 32, 33);
    pen.draadRechts(32);
}

// Four windings between x = 10 and x = 38.
void windingen(SymboolPen &pen) {
    pen.draadLinks(10);
    for (int i = 0; i < 4; ++i)
        pen.boog(13.5 + 7 * i, 24, 3.5, 0, 180);
    pen.draadRechts(38);
}

void spoel(SymboolPen &pen) {
    windingen(pen);
}

void spoelMetKern(SymboolPen &pen) {
    windingen(pen);
    pen.lijn(10, 15, 38, 15);
    pen.lijn(10, 17, 38, 17);
}

// Three windings down a column, bulging to one side (-1 left, +1 right).
void kolomWindingen(SymboolPen &pen, int x, int boven, int kant) {
    for (int i = 0; i < 3; ++i)
        pen.boog(x, boven + 3 + 6 * i, 3, kant < 0 ? 90 : -90, kant < 0 ? 270 : 90);
}

// The primary runs from the left lead down to the bottom one, the secondary from
// the top lead down to the right one, either side of a core of two lines.
void transformator(SymboolPen &pen) {
    pen.draadLinks(16);
    kolomWindingen(pen, 16, 24, -1);
    pen.lijnen({{16, 42}, {16, 44}, {24, 44}, {24, 48}});
    pen.lijnen({{24, 0}, {24, 4}, {32, 4}, {32, 6}});
    kolomWindingen(pen, 32, 6, 1);
    pen.draadRechts(32);
    pen.lijn(22, 7, 22, 41);
    pen.lijn(26, 7, 26, 41);
}

void antenne(SymboolPen &pen) {
    pen.draadOnder(6);
    pen.lijnen({{14, 6}, {34, 6}, {24, 17}, {14, 6}});
}

void microfoon(SymboolPen &pen) {
    pen.draadLinks(16);
    pen.vlak(16, 15, 17, 33, kZwart);
    pen.cirkel(26, 24, 9);
    pen.draadOnder(33);
}

void aansluitklem(SymboolPen &pen) {
    pen.cirkel(24, 24, 3);
    pen.draadRechts(27);
}

void connector(SymboolPen &pen) {
    pen.vlak(8, 16, 20, 32, qRgb(60, 60, 60));
    pen.doos(8, 16, 20, 32);
    pen.vlak(13, 22, 15, 26, qRgb(200, 170, 60));
    pen.draadRechts(20);
}

// Wire pieces: every side named in `kanten` ("L", "R", "B", "O") gets a wire to the
// middle; three or four sides meet in a joint.
void draden(SymboolPen &pen, const QString &kanten) {
    if (kanten.contains(QLatin1Char('L'))) pen.draadLinks(24);
    if (kanten.contains(QLatin1Char('R'))) pen.draadRechts(24);
    if (kanten.contains(QLatin1Char('B'))) pen.draadBoven(24);
    if (kanten.contains(QLatin1Char('O'))) pen.draadOnder(24);
    if (kanten.size() >= 3) pen.knoop(24, 24);
}

void horizontaal(SymboolPen &pen) {
    draden(pen, QStringLiteral("LR"));
}
void verticaal(SymboolPen &pen) {
    draden(pen, QStringLiteral("BO"));
}
void hoekLinksOnder(SymboolPen &pen) {
    draden(pen, QStringLiteral("LO"));
}
void hoekLinksBoven(SymboolPen &pen) {
    draden(pen, QStringLiteral("LB"));
}
void hoekRechtsOnder(SymboolPen &pen) {
    draden(pen, QStringLiteral("RO"));
}
void hoekRechtsBoven(SymboolPen &pen) {
    draden(pen, QStringLiteral("RB"));
}
void tOnder(SymboolPen &pen) {
    draden(pen, QStringLiteral("LRO"));
}
void tBoven(SymboolPen &pen) {
    draden(pen, QStringLiteral("LRB"));
}
void tLinks(SymboolPen &pen) {
    draden(pen, QStringLiteral("BOL"));
}
void tRechts(SymboolPen &pen) {
    draden(pen, QStringLiteral("BOR"));
}
void kruisingVerbonden(SymboolPen &pen) {
    draden(pen, QStringLiteral("LRBO"));
}

// Crossing wires that do not touch: the horizontal one hops over the other.
void kruisingLos(SymboolPen &pen) {
    pen.draadBoven(48);
    pen.lijn(0, 24, 19, 24);
    pen.boog(24, 24, 5, 0, 180);
    pen.lijn(29, 24, 48, 24);
}

} // namespace

QVector<Symbool> Symbolen::overige() {
    const QString o = QStringLiteral("Overige"), v = QStringLiteral("Verbindingen");
    return {
        {o, QStringLiteral("Zekering"), zekering},
        {o, QStringLiteral("Kristal"), kristal},
        {o, QStringLiteral("Spoel"), spoel},
        {o, QStringLiteral("Spoel met kern"), spoelMetKern},
        {o, QStringLiteral("Transformator"), transformator},
        {o, QStringLiteral("Antenne"), antenne},
        {o, QStringLiteral("Microfoon"), microfoon},
        {o, QStringLiteral("Aansluitklem"), aansluitklem},
        {o, QStringLiteral("Connector"), connector},
        {v, QStringLiteral("Draad horizontaal"), horizontaal},
        {v, QStringLiteral("Draad verticaal"), verticaal},
        {v, QStringLiteral("Hoek links-onder"), hoekLinksOnder},
        {v, QStringLiteral("Hoek links-boven"), hoekLinksBoven},
        {v, QStringLiteral("Hoek rechts-onder"), hoekRechtsOnder},
        {v, QStringLiteral("Hoek rechts-boven"), hoekRechtsBoven},
        {v, QStringLiteral("T-splitsing onder"), tOnder},
        {v, QStringLiteral("T-splitsing boven"), tBoven},
        {v, QStringLiteral("T-splitsing links"), tLinks},
        {v, QStringLiteral("T-splitsing rechts"), tRechts},
        {v, QStringLiteral("Kruising verbonden"), kruisingVerbonden},
        {v, QStringLiteral("Kruising niet verbonden"), kruisingLos},
    };
}
