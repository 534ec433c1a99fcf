#pragma once

#include "PixelFont.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QVector>

#include <functional>

class QPainter;

// A breadboard part picture: a GIF with transparency that the program stamps onto
// the breadboard sheet, and the points where its legs end.
struct Onderdeel {
    QString naam;
    QImage beeld; // ARGB32, alpha 0 where the board shows through
    QVector<QPoint> pootjes;
};

// Draws one part picture on a transparent canvas, without smoothing, so that the
// picture keeps few colours and no half-transparent edge.
//
// The program stamps a picture with its bottom-right corner 5 pixels up and left
// of the pointer. The canvas is sized so that every leg end lies a whole number of
// 20-pixel hole steps up and left of that pointer: with the pointer on a hole,
// every leg ends on a hole, 20 pixels apart as the holes are.
class OnderdeelPen {
public:
    static constexpr int kSteek = 20;             // the board's hole pitch
    static constexpr int kAanwijzerAfstand = 5;   // pointer below-right of the picture
    static constexpr QRgb kTin = 0xffa5a5aa;      // bare legs
    static constexpr QRgb kPootEind = 0xff5f5f64; // where a leg goes into a hole
    static constexpr QRgb kRand = 0xff1e1e1e;     // outlines

    // Room for legs on `kolommen` x `rijen` holes, with at least the given number of
    // pixels around the outermost leg ends.
    OnderdeelPen(int kolommen, int rijen, int links, int boven, int rechts = 2, int onder = 2);

    // The leg end on hole (k, m) of the part's own grid, k to the right, m down.
    QPoint gat(int k, int m) const;

    // A straight leg of two pixels from the body to a hole, ending in a dark dot.
    void poot(QPoint van, QPoint gat, QRgb kleur = kTin);
    // A leg along several points, the last one a hole.
    void poot(const QVector<QPoint> &punten, QRgb kleur = kTin);

    void vlak(const QRect &r, QRgb kleur);
    void doos(const QRect &r, QRgb vulling, QRgb rand = kRand);
    void ovaal(const QRect &r, QRgb vulling, QRgb rand = kRand);
    void afgerond(const QRect &r, int straal, QRgb vulling, QRgb rand = kRand);
    void veelhoek(const QVector<QPoint> &hoeken, QRgb vulling, QRgb rand = kRand);
    void lijn(QPoint a, QPoint b, QRgb kleur, int dikte = 1);
    void tekst(int x, int y, const QString &tekst, QRgb kleur,
               PixelFont::Size maat = PixelFont::Size::Small);
    void tekstMidden(int cx, int y, const QString &tekst, QRgb kleur,
                     PixelFont::Size maat = PixelFont::Size::Small);

    int breedte() const { return beeld_.width(); }
    int hoogte() const { return beeld_.height(); }
    Onderdeel klaar(const QString &naam) const { return {naam, beeld_, pootjes_}; }

private:
    void teken(const std::function<void(QPainter &)> &stap);

    QImage beeld_;
    QPoint eerste_; // the leg end on hole (0, 0)
    QVector<QPoint> pootjes_;
};

// A colour between two others, t from 0 (a) to 1 (b).
QRgb meng(QRgb a, QRgb b, double t);
