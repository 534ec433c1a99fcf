#include "Symbolen.h"
#include "SymboolPen.h"

// Switches, relays and everything that supplies power.
namespace {

constexpr QRgb kZwart = SymboolPen::kZwart;
using Size = PixelFont::Size;

// Two open contacts on the leads, at x = 14 and x = 34.
void contacten(SymboolPen &pen) {
    pen.draadLinks(12);
    pen.cirkel(14, 24, 2);
    pen.cirkel(34, 24, 2);
    pen.draadRechts(36);
}

void schakelaar(SymboolPen &pen) {
    contacten(pen);
    pen.lijn(16, 23, 33, 14);
}

void drukknop(SymboolPen &pen) {
    contacten(pen);
    pen.lijn(12, 18, 36, 18);
    pen.lijn(24, 18, 24, 9);
    pen.lijn(20, 9, 28, 9);
}

void drukknopVerbreek(SymboolPen &pen) {
    contacten(pen);
    pen.lijn(12, 27, 36, 27);
    pen.lijn(24, 27, 24, 9);
    pen.lijn(20, 9, 28, 9);
}

// Changeover: the common contact on the left, one throw on the right, one on top.
void wisselschakelaar(SymboolPen &pen) {
    pen.draadLinks(12);
    pen.cirkel(14, 24, 2);
    pen.cirkel(34, 24, 2);
    pen.draadRechts(36);
    pen.draadBoven(10);
    pen.cirkel(24, 12, 2);
    pen.lijn(16, 22, 22, 15);
}

void reedcontact(SymboolPen &pen) {
    pen.draadLinks(16);
    pen.lijn(16, 24, 31, 20);
    pen.draadRechts(32);
    // The glass tube around the blades.
    pen.lijn(12, 16, 36, 16);
    pen.lijn(12, 32, 36, 32);
    pen.boog(12, 24, 8, 90, 270);
    pen.boog(36, 24, 8, -90, 90);
}

void relaisspoel(SymboolPen &pen) {
    pen.draadLinks(15);
    pen.doos(15, 15, 33, 33);
    pen.lijn(15, 33, 33, 15);
    pen.draadRechts(33);
}

void relaiscontact(SymboolPen &pen) {
    contacten(pen);
    pen.lijn(16, 23, 33, 14);
    // The dashed line to the coil that works it.
    for (int y = 5; y <= 17; y += 4)
        pen.lijn(24, y, 24, y + 1);
}

// One cell: the long plate is plus, the short thick one minus.
void cel(SymboolPen &pen, int x) {
    pen.lijn(x, 12, x, 36);
    pen.vlak(x + 5, 18, x + 6, 30, kZwart);
}

void batterij(SymboolPen &pen) {
    pen.draadLinks(21);
    cel(pen, 21);
    pen.draadRechts(27);
    pen.tekst(14, 10, QStringLiteral("+"));
}

void batterijpakket(SymboolPen &pen) {
    pen.draadLinks(12);
    cel(pen, 12);
    for (int x = 20; x <= 28; x += 2)
        pen.punt(x, 24);
    cel(pen, 30);
    pen.draadRechts(36);
    pen.tekst(5, 10, QStringLiteral("+"));
}

void zonnecel(SymboolPen &pen) {
    batterij(pen);
    pen.pijl(41, 4, 32, 12);
    pen.pijl(44, 11, 35, 19);
}

// Sources are circles of radius 12 between the leads.
void bron(SymboolPen &pen) {
    pen.draadLinks(12);
    pen.cirkel(24, 24, 12);
    pen.draadRechts(36);
}

void gelijkspanningsbron(SymboolPen &pen) {
    bron(pen);
    pen.tekst(16, 22, QStringLiteral("+"));
    pen.tekst(30, 22, QStringLiteral("-"));
}

void wisselspanningsbron(SymboolPen &pen) {
    bron(pen);
    pen.boog(20, 24, 4, 0, 180);
    pen.boog(28, 24, 4, 180, 360);
}

void stroombron(SymboolPen &pen) {
    bron(pen);
    pen.pijl(24, 32, 24, 15);
}

void aarde(SymboolPen &pen) {
    pen.draadBoven(28);
    pen.lijn(14, 28, 34, 28);
    pen.lijn(17, 32, 31, 32);
    pen.lijn(20, 36, 28, 36);
    pen.lijn(23, 40, 25, 40);
}

void massa(SymboolPen &pen) {
    pen.draadBoven(26);
    pen.veelhoek({{14, 26}, {34, 26}, {24, 38}}, Surface::kWhite);
}

void chassis(SymboolPen &pen) {
    pen.draadBoven(28);
    pen.lijn(14, 28, 34, 28);
    for (int x = 16; x <= 34; x += 6)
        pen.lijn(x, 28, x - 4, 34);
}

void plusVoeding(SymboolPen &pen) {
    pen.draadOnder(16);
    pen.lijn(16, 16, 32, 16);
    pen.tekstMidden(24, 5, QStringLiteral("+V"), Size::Large);
}

void minVoeding(SymboolPen &pen) {
    pen.draadBoven(32);
    pen.lijn(16, 32, 32, 32);
    pen.tekstMidden(24, 36, QStringLiteral("-V"), Size::Large);
}

void spanningsregelaar(SymboolPen &pen) {
    pen.draadLinks(10);
    pen.doos(10, 14, 38, 34);
    pen.draadRechts(38);
    pen.draadOnder(34);
    pen.tekstMidden(24, 18, QStringLiteral("7805"));
    pen.tekst(12, 27, QStringLiteral("IN"));
    pen.tekst(26, 27, QStringLiteral("UIT"));
}

} // namespace

QVector<Symbool> Symbolen::schakelaars() {
    const QString s = QStringLiteral("Schakelaars"), v = QStringLiteral("Voeding");
    return {
        {s, QStringLiteral("Schakelaar"), schakelaar},
        {s, QStringLiteral("Drukknop"), drukknop},
        {s, QStringLiteral("Drukknop verbreek"), drukknopVerbreek},
        {s, QStringLiteral("Wisselschakelaar"), wisselschakelaar},
        {s, QStringLiteral("Reedcontact"), reedcontact},
        {s, QStringLiteral("Relaisspoel"), relaisspoel},
        {s, QStringLiteral("Relaiscontact"), relaiscontact},
        {v, QStringLiteral("Batterij"), batterij},
        {v, QStringLiteral("Batterijpakket"), batterijpakket},
        {v, QStringLiteral("Zonnecel"), zonnecel},
        {v, QStringLiteral("Gelijkspanningsbron"), gelijkspanningsbron},
        {v, QStringLiteral("Wisselspanningsbron"), wisselspanningsbron},
        {v, QStringLiteral("Stroombron"), stroombron},
        {v, QStringLiteral("Aarde"), aarde},
        {v, QStringLiteral("Massa"), massa},
        {v, QStringLiteral("Chassis"), chassis},
        {v, QStringLiteral("Plus voeding"), plusVoeding},
        {v, QStringLiteral("Min voeding"), minVoeding},
        {v, QStringLiteral("Spanningsregelaar 7805"), spanningsregelaar},
    };
}
