#include "symbols/DesignerRaster.h"

#include "symbols/Symbool.h"

namespace DesignerRaster {

namespace {

constexpr int kRand = 5;    // the first grid line
constexpr int kEinde = 495; // the last grid line
constexpr int kLijnen = kSymboolGrootte + 1;
constexpr QRgb kZwart = qRgb(0, 0, 0);
constexpr QRgb kRood = qRgb(255, 0, 0);

// Number of the grid band a position falls in: 1 to 49 over the cells, 0 and 50 in
// the margins. Rounds down for positions left of or above the picture as well.
int band(int v) {
    const int verschoven = v + kRand;
    return verschoven >= 0 ? verschoven / kCelGrootte
                           : -((kCelGrootte - 1 - verschoven) / kCelGrootte);
}

void marker(Surface &raster, int x1, int y1, int x2, int y2) {
    raster.fillBox(x1, y1, x2, y2, kRood);
    raster.drawBox(x1, y1, x2, y2, kZwart);
}

} // namespace

void TekenRaster(Surface &raster) {
    // The lines run to 495 inclusive, so the last line also covers the black corner
    // that ToonIcon leaves at (495, 495).
    for (int k = 0; k < kLijnen; ++k) {
        const int lijn = kRand + kCelGrootte * k;
        raster.fillBox(lijn, kRand, lijn, kEinde, kLijnKleur);
        raster.fillBox(kRand, lijn, kEinde, lijn, kLijnKleur);
    }
    marker(raster, 1, 245, 3, 255);
    marker(raster, 497, 245, 499, 255);
    marker(raster, 245, 1, 255, 3);
    marker(raster, 245, 497, 255, 499);
}

void ToonIcon(Surface &raster, const Surface &tekening) {
    for (int y = 0; y < kSymboolGrootte; ++y) {
        for (int x = 0; x < kSymboolGrootte; ++x) {
            const int links = kCelGrootte * x + kRand, boven = kCelGrootte * y + kRand;
            raster.fillBox(links, boven, links + kCelGrootte, boven + kCelGrootte,
                           tekening.pixel(x, y));
            raster.drawBox(links, boven, links + kCelGrootte, boven + kCelGrootte, kZwart);
        }
    }
    TekenRaster(raster);
}

void kleurCel(Surface &raster, QPoint cel, QRgb kleur) {
    const int xs = kCelGrootte * (cel.x() + 1), ys = kCelGrootte * (cel.y() + 1);
    raster.fillBox(xs - 4, ys - 4, xs + 4, ys + 4, kleur);
}

std::optional<QPoint> celOnder(int x, int y) {
    const int bx = band(x), by = band(y);
    if (bx < 1 || bx > kSymboolGrootte || by < 1 || by > kSymboolGrootte) return std::nullopt;
    return QPoint(bx - 1, by - 1);
}

QString coordinaten(int x, int y) {
    return QStringLiteral("X:%1 - Y:%2").arg(band(x)).arg(band(y));
}

QRgb paletKleur(int kolom, int rij) {
    const int v = 15 * rij, w = 255 - v;
    switch (kolom) {
    case 0:
        return qRgb(v, v, v);
    case 1:
        return qRgb(0, w, w);
    case 2:
        return qRgb(0, 0, v);
    case 3:
        return qRgb(w, 0, w);
    case 4:
        return qRgb(v, v, 0);
    case 5:
        return qRgb(w, 0, 0);
    default:
        return qRgb(0, v, 0);
    }
}

void TekenPalet(Surface &palet) {
    // Neighbouring swatches share their edge; the one drawn later (right, below) keeps it.
    constexpr int breedte = 8, hoogte = 13;
    palet.setBackground(kPaletAchtergrond);
    palet.clear();
    for (int rij = 0; rij < kPaletRijen; ++rij)
        for (int kolom = 0; kolom < kPaletKolommen; ++kolom)
            palet.fillBox(breedte * kolom, hoogte * rij, breedte * (kolom + 1), hoogte * (rij + 1),
                          paletKleur(kolom, rij));
}

QString kleurHint(QRgb kleur) {
    return QStringLiteral(" R:%1 / G:%2 / B:%3 ")
        .arg(qRed(kleur))
        .arg(qGreen(kleur))
        .arg(qBlue(kleur));
}

} // namespace DesignerRaster
