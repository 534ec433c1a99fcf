#pragma once

#include "PixelFont.h"
#include "ui/Surface.h"

#include <QPoint>
#include <QVector>

// Draws one 49 x 49 symbol in the library's style: black lines one pixel wide on
// white, bodies around the middle, and leads that run from the body to the middle
// of a side, (0, 24), (48, 24), (24, 0) or (24, 48), so that symbols in
// neighbouring blocks of the design sheet join across the raster line.
//
// Every line includes both its end points: a symbol is drawn by naming the pixels
// where its strokes start and stop.
class SymboolPen {
public:
    static constexpr int kMaat = 49;
    static constexpr int kMidden = 24;
    static constexpr int kRand = 48;
    static constexpr QRgb kZwart = 0xff000000;

    SymboolPen();

    const Surface &beeld() const { return beeld_; }
    Surface &beeld() { return beeld_; }

    void punt(int x, int y, QRgb kleur = kZwart);
    void lijn(int x1, int y1, int x2, int y2, QRgb kleur = kZwart);
    // A polyline through all the points.
    void lijnen(const QVector<QPoint> &punten, QRgb kleur = kZwart);
    void doos(int x1, int y1, int x2, int y2, QRgb kleur = kZwart);
    void vlak(int x1, int y1, int x2, int y2, QRgb kleur);
    void cirkel(int cx, int cy, int straal, QRgb kleur = kZwart);
    void schijf(int cx, int cy, int straal, QRgb kleur);
    // Part of a circle, angles in degrees counter-clockwise from the positive x axis.
    void boog(double cx, double cy, double straal, double van, double tot, QRgb kleur = kZwart);
    // A closed polygon, filled with `vulling` and outlined in black.
    void veelhoek(const QVector<QPoint> &hoeken, QRgb vulling);
    // A line with a filled arrowhead at its end (x2, y2).
    void pijl(int x1, int y1, int x2, int y2, QRgb kleur = kZwart);
    // A small filled dot: the mark of a joint.
    void knoop(int x, int y);

    // Leads from the middle of a side to the body.
    void draadLinks(int totX) { lijn(0, kMidden, totX, kMidden); }
    void draadRechts(int vanX) { lijn(vanX, kMidden, kRand, kMidden); }
    void draadBoven(int totY) { lijn(kMidden, 0, kMidden, totY); }
    void draadOnder(int vanY) { lijn(kMidden, vanY, kMidden, kRand); }

    void tekst(int x, int y, const QString &tekst, PixelFont::Size maat = PixelFont::Size::Small,
               QRgb kleur = kZwart);
    void tekstMidden(int cx, int y, const QString &tekst,
                     PixelFont::Size maat = PixelFont::Size::Small, QRgb kleur = kZwart);

private:
    Surface beeld_;
};
