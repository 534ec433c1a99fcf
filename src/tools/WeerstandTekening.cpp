#include "tools/WeerstandTekening.h"

#include <algorithm>

namespace {

constexpr QRgb kZwart = qRgb(0, 0, 0);
constexpr QRgb kLichtGrijs = qRgb(224, 224, 224);
constexpr QRgb kLichterRand = qRgb(248, 248, 248);
constexpr QRgb kLijfKleur = qRgb(192, 64, 0);

// The body of the large drawing.
constexpr QRect kLijf(39, 21, 94, 25);
constexpr int kHoekStraal = 6;
constexpr int kLeiderEindX = 156;

bool inAfgerondVlak(const QRect &vlak, int straal, int x, int y) {
    if (!vlak.contains(x, y)) return false;
    const int hoekX = std::clamp(x, vlak.left() + straal, vlak.right() - straal);
    const int hoekY = std::clamp(y, vlak.top() + straal, vlak.bottom() - straal);
    const int dx = x - hoekX, dy = y - hoekY;
    return dx * dx + dy * dy <= straal * straal;
}

// A filled rectangle with rounded corners and a one-pixel border.
void vulAfgerond(Surface &bord, const QRect &vlak, int straal, QRgb vulling, QRgb rand) {
    for (int y = vlak.top(); y <= vlak.bottom(); ++y) {
        for (int x = vlak.left(); x <= vlak.right(); ++x) {
            if (!inAfgerondVlak(vlak, straal, x, y)) continue;
            const bool binnen =
                inAfgerondVlak(vlak, straal, x - 1, y) && inAfgerondVlak(vlak, straal, x + 1, y) &&
                inAfgerondVlak(vlak, straal, x, y - 1) && inAfgerondVlak(vlak, straal, x, y + 1);
            bord.setPixel(x, y, binnen ? vulling : rand);
        }
    }
}

void tekenLeider(Surface &bord, const GroteBand &band, int eindX) {
    bord.drawLine(band.x, kLijf.bottom(), band.x, band.leiderY, kZwart);
    bord.drawLine(band.x, band.leiderY, eindX + 1, band.leiderY, kZwart);
}

} // namespace

Surface WeerstandSymbool() {
    Surface symbool(49, 49);
    symbool.fillBox(5, 14, 43, 34, kZwart);
    for (const QPoint hoek : {QPoint(5, 14), QPoint(43, 14), QPoint(5, 34), QPoint(43, 34)})
        symbool.setPixel(hoek.x(), hoek.y(), Surface::kWhite);
    symbool.fillBox(7, 16, 41, 32, kLichtGrijs);
    symbool.drawBox(7, 16, 41, 32, kLichterRand);
    symbool.fillBox(0, 23, 4, 25, kZwart);
    symbool.fillBox(44, 23, 48, 25, kZwart);
    return symbool;
}

QRect bandVlak(int band) {
    if (band < 1 || band > 3) return {};
    return QRect(QPoint(10 + 6 * (band - 1), 16), QPoint(12 + 6 * (band - 1), 32));
}

void VerfBand(Surface &symbool, int band, QRgb kleur) {
    const QRect vlak = bandVlak(band);
    if (vlak.isEmpty()) return;
    symbool.fillBox(vlak.left(), vlak.top(), vlak.right(), vlak.bottom(), kleur);
}

void TekenGroteWeerstand(Surface &bord, const std::array<QRgb, 3> &banden, QRgb achtergrond) {
    bord.setBackground(achtergrond);
    bord.clear();
    bord.fillBox(9, 32, kLijf.left(), 34, kZwart);
    bord.fillBox(kLijf.right(), 32, 165, 34, kZwart);
    vulAfgerond(bord, kLijf, kHoekStraal, kLijfKleur, kZwart);
    for (int i = 0; i < 4; ++i) {
        const int x = kGroteBanden[size_t(i)].x;
        bord.fillBox(x - 1, 24, x + 1, 42, i < 3 ? banden[size_t(i)] : kZwart);
    }
    for (int i = 0; i < 3; ++i)
        tekenLeider(bord, kGroteBanden[size_t(i)], kLeiderEindX);
    // The tolerance band's leader runs round the texts to the legend beside them.
    const GroteBand &tolerantie = kGroteBanden[3];
    tekenLeider(bord, tolerantie, 246);
    bord.drawLine(246, tolerantie.leiderY, 246, 59, kZwart);
    bord.drawLine(246, 60, 255, 60, kZwart);
}
