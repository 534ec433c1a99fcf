#include "editor/KnopPlaatjes.h"

#include "editor/BreadboardTekenen.h"
#include "ui/Surface.h"

namespace {

constexpr QRgb kPijl = qRgb(0, 0, 128);
constexpr QRgb kAs = qRgb(150, 150, 150);

// An arrow head with its point at (x, y), pointing in direction (dx, dy), one of
// the four axis directions.
void pijlPunt(Surface &plaatje, int x, int y, int dx, int dy) {
    for (int stap = 0; stap < 5; ++stap) {
        const int terugX = x - dx * stap, terugY = y - dy * stap;
        if (dx != 0)
            plaatje.fillBox(terugX, terugY - stap, terugX, terugY + stap, kPijl);
        else
            plaatje.fillBox(terugX - stap, terugY, terugX + stap, terugY, kPijl);
    }
}

} // namespace

QImage spiegelKnopPlaatje(bool linksRechts) {
    Surface plaatje(32, 20);
    if (!linksRechts) plaatje = Surface(20, 32);
    const int midX = plaatje.width() / 2, midY = plaatje.height() / 2;
    for (int i = 0; i < 32; i += 3) {
        if (linksRechts)
            plaatje.setPixel(midX, i, kAs);
        else
            plaatje.setPixel(i, midY, kAs);
    }
    if (linksRechts) {
        plaatje.drawLine(2, midY, plaatje.width() - 2, midY, kPijl);
        pijlPunt(plaatje, 1, midY, -1, 0);
        pijlPunt(plaatje, plaatje.width() - 2, midY, 1, 0);
    } else {
        plaatje.drawLine(midX, 2, midX, plaatje.height() - 2, kPijl);
        pijlPunt(plaatje, midX, 1, 0, -1);
        pijlPunt(plaatje, midX, plaatje.height() - 2, 0, 1);
    }
    return onderdeelVoorbeeld(plaatje);
}

QImage draaiKnopPlaatje() {
    Surface plaatje(24, 24);
    plaatje.drawCircle(12, 12, 9, kPijl);
    plaatje.drawCircle(12, 12, 8, kPijl);
    // A gap at the top left with the head pointing to the right, clockwise.
    plaatje.fillBox(3, 2, 10, 8, Surface::kWhite);
    pijlPunt(plaatje, 14, 3, 1, 0);
    return onderdeelVoorbeeld(plaatje);
}
