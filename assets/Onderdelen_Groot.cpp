#include "Onderdelen.h"

// Larger parts, seen from above: chips and the display straddle the board's centre
// channel with their pins in the rows on either side of it.
namespace {

const QRgb kHuis = qRgb(45, 45, 50);
const QRgb kOpdruk = qRgb(200, 200, 200);

// Flat pins from a body edge at `rand` into the holes of row m of the part.
void pinnen(OnderdeelPen &pen, int aantal, int m, int rand) {
    for (int k = 0; k < aantal; ++k) {
        const QPoint gat = pen.gat(k, m);
        const int van = std::min(gat.y(), rand), tot = std::max(gat.y(), rand);
        pen.vlak(QRect(gat.x() - 3, van + 2, 7, tot - van - 3), OnderdeelPen::kTin);
        pen.poot({gat.x(), rand}, gat);
    }
}

// A DIL chip: pins in the row above the channel and three rows lower, below it.
Onderdeel dip(int aantalPinnen, const QString &opdruk) {
    const int perKant = aantalPinnen / 2;
    OnderdeelPen pen(perKant, 4, 10, 4, 10, 4);
    const QPoint eerste = pen.gat(0, 0);
    const int links = eerste.x() - 9, breedte = (perKant - 1) * 20 + 19;
    const int boven = eerste.y() + 9, onder = pen.gat(0, 3).y() - 9;
    pinnen(pen, perKant, 0, boven);
    pinnen(pen, perKant, 3, onder);
    pen.doos(QRect(links, boven, breedte, onder - boven + 1), kHuis);
    const int midden = (boven + onder) / 2;
    pen.ovaal(QRect(links + 2, midden - 4, 9, 9), qRgb(25, 25, 28), qRgb(25, 25, 28));
    pen.ovaal(QRect(links + 4, onder - 9, 5, 5), qRgb(95, 95, 100), qRgb(95, 95, 100));
    pen.tekstMidden(links + breedte / 2 + 4, midden - 2, opdruk, kOpdruk);
    return pen.klaar(QStringLiteral("IC DIP-%1").arg(aantalPinnen));
}

Onderdeel drukknop() {
    OnderdeelPen pen(3, 4, 6, 6, 6, 6);
    const QPoint g = pen.gat(0, 0);
    const int boven = g.y() + 8, onder = pen.gat(0, 3).y() - 8;
    for (const int k : {0, 2}) {
        pen.poot({pen.gat(k, 0).x(), boven}, pen.gat(k, 0));
        pen.poot({pen.gat(k, 3).x(), onder}, pen.gat(k, 3));
    }
    pen.doos(QRect(g.x() - 3, boven, 47, onder - boven + 1), qRgb(70, 70, 75));
    const int cx = g.x() + 20, cy = (boven + onder) / 2;
    pen.ovaal(QRect(cx - 14, cy - 14, 29, 29), qRgb(110, 110, 116));
    pen.ovaal(QRect(cx - 10, cy - 10, 21, 21), qRgb(25, 25, 25));
    return pen.klaar(QStringLiteral("Drukknop"));
}

// A one-digit display with five pins on either side, six rows apart, showing 8.
Onderdeel zevenSegment() {
    OnderdeelPen pen(5, 7, 12, 4, 12, 4);
    const QPoint g = pen.gat(0, 0);
    const int boven = g.y() + 8, onder = pen.gat(0, 6).y() - 8;
    pinnen(pen, 5, 0, boven);
    pinnen(pen, 5, 6, onder);
    pen.doos(QRect(g.x() - 11, boven, 103, onder - boven + 1), qRgb(30, 30, 32));
    const int cx = g.x() + 40, cy = (boven + onder) / 2;
    const QRgb aan = qRgb(240, 45, 45);
    for (const QRect &segment : {QRect(cx - 13, cy - 36, 27, 5), QRect(cx + 15, cy - 32, 5, 30),
                                 QRect(cx + 15, cy + 3, 5, 30), QRect(cx - 13, cy + 32, 27, 5),
                                 QRect(cx - 19, cy + 3, 5, 30), QRect(cx - 19, cy - 32, 5, 30),
                                 QRect(cx - 13, cy - 2, 27, 5)})
        pen.vlak(segment, aan);
    pen.ovaal(QRect(cx + 24, cy + 31, 7, 7), aan, aan);
    return pen.klaar(QStringLiteral("7-segment display"));
}

// A wire bridge over `stappen` hole steps, lying or standing.
Onderdeel draadbrug(const QString &naam, int stappen, bool staand, QRgb kleur) {
    OnderdeelPen pen(staand ? 1 : stappen + 1, staand ? stappen + 1 : 1, 5, 5, 5, 5);
    const QPoint a = pen.gat(0, 0), b = staand ? pen.gat(0, stappen) : pen.gat(stappen, 0);
    const QPoint richting = staand ? QPoint(0, 1) : QPoint(1, 0);
    pen.poot(a + 7 * richting, a);
    pen.poot(b - 7 * richting, b);
    pen.lijn(a + 6 * richting, b - 6 * richting, kleur, 4);
    return pen.klaar(naam);
}

// A 9 V battery with its clip; the red plus wire and the black minus wire end in two
// neighbouring holes.
Onderdeel batterijclip() {
    OnderdeelPen pen(2, 1, 74, 70);
    const QPoint plus = pen.gat(0, 0), min = pen.gat(1, 0);
    pen.doos(QRect(2, 20, 46, 62), qRgb(40, 45, 70));
    pen.vlak(QRect(3, 38, 44, 24), qRgb(205, 165, 45));
    pen.tekstMidden(25, 46, QStringLiteral("9V"), qRgb(40, 45, 70), PixelFont::Size::Large);
    pen.doos(QRect(4, 8, 42, 13), qRgb(30, 30, 30));
    const QRgb rood = qRgb(210, 30, 30), zwart = qRgb(25, 25, 25);
    pen.poot({plus.x(), plus.y() - 8}, plus);
    pen.poot({min.x(), min.y() - 8}, min);
    pen.lijn({46, 16}, {plus.x(), 16}, rood, 3);
    pen.lijn({plus.x(), 16}, {plus.x(), plus.y() - 8}, rood, 3);
    pen.lijn({46, 11}, {min.x(), 11}, zwart, 3);
    pen.lijn({min.x(), 11}, {min.x(), min.y() - 8}, zwart, 3);
    return pen.klaar(QStringLiteral("Batterijclip 9V"));
}

} // namespace

QVector<Onderdeel> Onderdelen::groot() {
    return {
        dip(8, QStringLiteral("NE555")),
        dip(14, QStringLiteral("74HC00")),
        dip(16, QStringLiteral("CD4017")),
        drukknop(),
        zevenSegment(),
        draadbrug(QStringLiteral("Draadbrug kort"), 2, false, qRgb(210, 30, 30)),
        draadbrug(QStringLiteral("Draadbrug lang"), 6, false, qRgb(30, 80, 200)),
        draadbrug(QStringLiteral("Draadbrug verticaal"), 3, true, qRgb(30, 160, 50)),
        batterijclip(),
    };
}

QVector<Onderdeel> Onderdelen::alle() {
    return klein() + groot();
}
