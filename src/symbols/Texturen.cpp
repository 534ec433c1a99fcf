#include "symbols/Texturen.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <functional>

namespace Texturen {

namespace {

// A pixel's brightness change, from about -1 to 1, at a point of the 80 x 80 period.
using Ruis = std::function<double(int x, int y)>;

// A fixed hash of a lattice point: the same noise on every machine and every run.
double hash(int x, int y, int zaad) {
    std::uint32_t h = std::uint32_t(x) * 374761393u + std::uint32_t(y) * 668265263u +
                      std::uint32_t(zaad) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return double(h & 0xffffff) / double(0x800000) - 1.0;
}

double glad(double t) {
    return t * t * (3 - 2 * t);
}

// Value noise on a lattice of `cel` pixels that wraps around the 80-pixel period.
double waardeRuis(int x, int y, int cel, int zaad) {
    const int cellen = kPeriode / cel;
    const int cx = x / cel, cy = y / cel;
    const double fx = glad(double(x % cel) / cel), fy = glad(double(y % cel) / cel);
    auto punt = [&](int i, int j) { return hash((cx + i) % cellen, (cy + j) % cellen, zaad); };
    const double boven = punt(0, 0) + (punt(1, 0) - punt(0, 0)) * fx;
    const double onder = punt(0, 1) + (punt(1, 1) - punt(0, 1)) * fx;
    return boven + (onder - boven) * fy;
}

// Coarse blotches with fine grain on top: the look of textured paper.
double papier(int x, int y, int zaad) {
    return 0.35 * waardeRuis(x, y, 20, zaad) + 0.25 * waardeRuis(x, y, 10, zaad + 1) +
           0.2 * waardeRuis(x, y, 4, zaad + 2) + 0.35 * hash(x, y, zaad + 3);
}

double korrel(int x, int y, int zaad) {
    return 0.75 * hash(x, y, zaad) + 0.35 * waardeRuis(x, y, 2, zaad + 1);
}

// Bands that wander a little, as the grain of wood or watered silk.
double golf(int x, int y, int zaad) {
    const double kPi = 3.14159265358979;
    const double verschuiving = 5 * waardeRuis(x, y, 20, zaad) + 2 * waardeRuis(x, y, 10, zaad + 1);
    return 0.8 * std::sin(2 * kPi * (y + verschuiving) / 8.0) + 0.25 * hash(x, y, zaad + 2);
}

QRgb verschoven(QRgb basis, std::array<double, 3> afwijking) {
    auto kanaal = [](int waarde, double delta) {
        return std::clamp(int(std::lround(waarde + delta)), 0, 255);
    };
    return qRgb(kanaal(qRed(basis), afwijking[0]), kanaal(qGreen(basis), afwijking[1]),
                kanaal(qBlue(basis), afwijking[2]));
}

// A picture whose pixels differ from `basis` by the noise times the strength per channel.
QImage ruisBeeld(int zijde, QRgb basis, std::array<double, 3> sterkte, const Ruis &ruis) {
    QImage beeld(zijde, zijde, QImage::Format_RGB32);
    for (int y = 0; y < zijde; ++y)
        for (int x = 0; x < zijde; ++x) {
            const double r = ruis(x % kPeriode, y % kPeriode);
            beeld.setPixel(x, y,
                           verschoven(basis, {r * sterkte[0], r * sterkte[1], r * sterkte[2]}));
        }
    return beeld;
}

std::array<double, 3> gemiddelde(const QImage &beeld) {
    std::array<double, 3> som{};
    for (int y = 0; y < beeld.height(); ++y)
        for (int x = 0; x < beeld.width(); ++x) {
            const QRgb kleur = beeld.pixel(x, y);
            som[0] += qRed(kleur), som[1] += qGreen(kleur), som[2] += qBlue(kleur);
        }
    const double n = double(beeld.width()) * beeld.height();
    return {som[0] / n, som[1] / n, som[2] / n};
}

// Moves every channel by whole steps until the average is the wanted colour. Whole
// steps keep the number of colours; pixels that hit 0 or 255 need another round.
void zetGemiddelde(QImage &beeld, QRgb doel) {
    for (int ronde = 0; ronde < 4; ++ronde) {
        const std::array<double, 3> nu = gemiddelde(beeld);
        const std::array<double, 3> delta = {std::round(qRed(doel) - nu[0]),
                                             std::round(qGreen(doel) - nu[1]),
                                             std::round(qBlue(doel) - nu[2])};
        if (delta == std::array<double, 3>{}) return;
        for (int y = 0; y < beeld.height(); ++y)
            for (int x = 0; x < beeld.width(); ++x)
                beeld.setPixel(x, y, verschoven(beeld.pixel(x, y), delta));
    }
}

// A yellow-green ring that glows on grey-green, a small cyan spot in its middle.
QImage ring(int zijde) {
    const QRgb grond = qRgb(200, 212, 150), gloed = qRgb(250, 252, 120), vlek = qRgb(90, 235, 240);
    auto meng = [](QRgb a, QRgb b, double t) {
        return verschoven(
            a, {(qRed(b) - qRed(a)) * t, (qGreen(b) - qGreen(a)) * t, (qBlue(b) - qBlue(a)) * t});
    };
    const double midden = kPeriode / 2.0;
    QImage beeld(zijde, zijde, QImage::Format_RGB32);
    for (int y = 0; y < zijde; ++y)
        for (int x = 0; x < zijde; ++x) {
            const double d = std::hypot(x - midden, y - midden);
            const double ringSterkte = std::exp(-std::pow((d - 26) / 7.0, 2));
            const double vlekSterkte = std::clamp(4.0 - d, 0.0, 1.0);
            beeld.setPixel(x, y, meng(meng(grond, gloed, ringSterkte), vlek, vlekSterkte));
        }
    return beeld;
}

// Faint tracks of a printed circuit in exactly four colours: board, track, pad and
// hole. The two long tracks run through the whole period and join at the edges.
QImage printSporen(int zijde) {
    const QColor bord(224, 224, 224), spoor(212, 212, 212), pad(203, 203, 203), gat(236, 236, 236);
    QImage beeld(zijde, zijde, QImage::Format_RGB32);
    beeld.fill(bord);
    QPainter painter(&beeld);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(spoor, 3, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    painter.drawLine(0, 12, zijde, 12);
    painter.drawLine(52, 0, 52, zijde);
    painter.drawPolyline(QPolygon({{8, 40}, {24, 40}, {36, 52}, {36, 68}}));
    painter.drawPolyline(QPolygon({{64, 44}, {72, 52}, {72, 70}}));
    painter.drawPolyline(QPolygon(QList<QPoint>{{14, 12}, {14, 26}}));
    painter.drawPolyline(QPolygon(QList<QPoint>{{52, 30}, {64, 30}}));
    const QPoint pads[] = {{8, 40}, {36, 68}, {64, 44}, {72, 70}, {14, 26}, {64, 30}, {52, 12}};
    painter.setPen(Qt::NoPen);
    for (const QPoint plek : pads) {
        painter.setBrush(pad);
        painter.drawEllipse(plek, 4, 4);
        painter.setBrush(gat);
        painter.drawEllipse(plek, 1, 1);
    }
    return beeld;
}

enum class Soort { Papier, Korrel, Golf, Effen, Ring, Sporen };

struct Beschrijving {
    int zijde;
    QRgb gemiddelde;
    Soort soort;
    std::array<double, 3> sterkte; // how far each channel follows the noise
    int zaad;
};

const Beschrijving kTexturen[kAantal] = {
    {81, qRgb(227, 227, 227), Soort::Papier, {14, 14, 14}, 10},
    {81, qRgb(234, 225, 225), Soort::Papier, {10, 13, 13}, 20},
    {81, qRgb(244, 244, 221), Soort::Papier, {9, 9, 14}, 30},
    {81, qRgb(219, 248, 219), Soort::Papier, {14, 6, 14}, 40},
    {81, qRgb(201, 203, 254), Soort::Korrel, {30, 30, 2}, 50},
    {81, qRgb(201, 201, 254), Soort::Golf, {26, 26, 2}, 60},
    {81, qRgb(244, 244, 244), Soort::Effen, {}, 0},
    {81, qRgb(240, 240, 255), Soort::Effen, {}, 0},
    {81, qRgb(236, 232, 255), Soort::Effen, {}, 0},
    {81, qRgb(219, 227, 162), Soort::Ring, {}, 0},
    {80, qRgb(221, 221, 221), Soort::Sporen, {}, 0},
    {80, qRgb(231, 231, 231), Soort::Korrel, {12, 12, 12}, 110},
    {80, qRgb(227, 231, 239), Soort::Korrel, {12, 12, 10}, 120},
    {80, qRgb(246, 229, 203), Soort::Korrel, {8, 14, 18}, 130},
};

QImage maak(const Beschrijving &t) {
    const int zaad = t.zaad;
    switch (t.soort) {
    case Soort::Papier:
        return ruisBeeld(t.zijde, t.gemiddelde, t.sterkte,
                         [zaad](int x, int y) { return papier(x, y, zaad); });
    case Soort::Korrel:
        return ruisBeeld(t.zijde, t.gemiddelde, t.sterkte,
                         [zaad](int x, int y) { return korrel(x, y, zaad); });
    case Soort::Golf:
        return ruisBeeld(t.zijde, t.gemiddelde, t.sterkte,
                         [zaad](int x, int y) { return golf(x, y, zaad); });
    case Soort::Effen:
        return ruisBeeld(t.zijde, t.gemiddelde, {}, [](int, int) { return 0.0; });
    case Soort::Ring:
        return ring(t.zijde);
    case Soort::Sporen:
        return printSporen(t.zijde);
    }
    return {};
}

} // namespace

QImage textuur(int index) {
    if (index < 0 || index >= kAantal) return {};
    QImage beeld = maak(kTexturen[index]);
    zetGemiddelde(beeld, kTexturen[index].gemiddelde);
    return beeld;
}

} // namespace Texturen
