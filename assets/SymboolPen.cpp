#include "SymboolPen.h"

#include <QtMath>

#include <algorithm>
#include <cmath>

SymboolPen::SymboolPen() : beeld_(kMaat, kMaat, Surface::kWhite) {}

void SymboolPen::punt(int x, int y, QRgb kleur) {
    beeld_.setPixel(x, y, kleur);
}

void SymboolPen::lijn(int x1, int y1, int x2, int y2, QRgb kleur) {
    beeld_.drawLine(x1, y1, x2, y2, kleur);
    beeld_.setPixel(x2, y2, kleur);
}

void SymboolPen::lijnen(const QVector<QPoint> &punten, QRgb kleur) {
    for (int i = 1; i < punten.size(); ++i)
        lijn(punten[i - 1].x(), punten[i - 1].y(), punten[i].x(), punten[i].y(), kleur);
}

void SymboolPen::doos(int x1, int y1, int x2, int y2, QRgb kleur) {
    beeld_.drawBox(x1, y1, x2, y2, kleur);
}

void SymboolPen::vlak(int x1, int y1, int x2, int y2, QRgb kleur) {
    beeld_.fillBox(x1, y1, x2, y2, kleur);
}

void SymboolPen::cirkel(int cx, int cy, int straal, QRgb kleur) {
    beeld_.drawCircle(cx, cy, straal, kleur);
}

void SymboolPen::schijf(int cx, int cy, int straal, QRgb kleur) {
    // The same pixels as the outline of that radius, and everything inside it.
    const int grens = straal * straal + straal;
    for (int dy = -straal; dy <= straal; ++dy)
        for (int dx = -straal; dx <= straal; ++dx)
            if (dx * dx + dy * dy <= grens) punt(cx + dx, cy + dy, kleur);
}

void SymboolPen::boog(double cx, double cy, double straal, double van, double tot, QRgb kleur) {
    // Dense enough that neighbouring samples land on touching pixels.
    const int stappen = std::max(8, int(std::ceil(std::abs(tot - van) * straal / 20.0)));
    for (int i = 0; i <= stappen; ++i) {
        const double hoek = qDegreesToRadians(van + (tot - van) * i / stappen);
        punt(int(std::lround(cx + straal * std::cos(hoek))),
             int(std::lround(cy - straal * std::sin(hoek))), kleur);
    }
}

void SymboolPen::veelhoek(const QVector<QPoint> &hoeken, QRgb vulling) {
    // Fill: every pixel whose centre lies inside (even-odd rule), then the outline.
    int top = kMaat, bodem = -1;
    for (const QPoint p : hoeken) {
        top = std::min(top, p.y());
        bodem = std::max(bodem, p.y());
    }
    for (int y = top; y <= bodem; ++y)
        for (int x = 0; x < kMaat; ++x) {
            bool binnen = false;
            for (int i = 0, j = int(hoeken.size()) - 1; i < hoeken.size(); j = i++) {
                const QPointF a = hoeken[i], b = hoeken[j];
                if ((a.y() > y) != (b.y() > y) &&
                    x < (b.x() - a.x()) * (y - a.y()) / (b.y() - a.y()) + a.x())
                    binnen = !binnen;
            }
            if (binnen) punt(x, y, vulling);
        }
    QVector<QPoint> rand = hoeken;
    rand << hoeken.first();
    lijnen(rand);
}

void SymboolPen::pijl(int x1, int y1, int x2, int y2, QRgb kleur) {
    lijn(x1, y1, x2, y2, kleur);
    const double hoek = std::atan2(y2 - y1, x2 - x1);
    const double lengte = 4.0, breedte = 0.5;
    auto hoekPunt = [&](double richting) {
        return QPoint(int(std::lround(x2 - lengte * std::cos(hoek + richting))),
                      int(std::lround(y2 - lengte * std::sin(hoek + richting))));
    };
    const QPoint a = hoekPunt(breedte), b = hoekPunt(-breedte);
    // A small solid head: fill the triangle by lines from its tip to the base.
    const int stappen = std::max(std::abs(a.x() - b.x()), std::abs(a.y() - b.y()));
    for (int i = 0; i <= stappen; ++i) {
        const int bx = int(std::lround(a.x() + (b.x() - a.x()) * double(i) / std::max(1, stappen)));
        const int by = int(std::lround(a.y() + (b.y() - a.y()) * double(i) / std::max(1, stappen)));
        lijn(x2, y2, bx, by, kleur);
    }
}

void SymboolPen::knoop(int x, int y) {
    schijf(x, y, 2, kZwart);
}

void SymboolPen::tekst(int x, int y, const QString &tekst, PixelFont::Size maat, QRgb kleur) {
    PixelFont::write(beeld_, x, y, tekst, kleur, maat);
}

void SymboolPen::tekstMidden(int cx, int y, const QString &tekst, PixelFont::Size maat,
                             QRgb kleur) {
    PixelFont::writeCentred(beeld_, cx, y, tekst, kleur, maat);
}
