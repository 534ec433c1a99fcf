#pragma once

#include "board/BoardGeometry.h"

#include <QPoint>
#include <QRect>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

// The holes of one board, as its drawing lays them out, and which of them the board
// joins inside: the holes of one column within one block form a strip, the holes of a
// power rail are joined along the whole rail.
class Gaten {
public:
    struct Gat {
        QPoint hoek; // the top-left corner of its 13 x 13 square
        char rij;    // the row letter the board prints, or 'X' or 'Y' for a rail hole
        int kolom;   // the column number the board prints, from 1
        int strook;  // holes with the same number are joined; the rails are 1 and 2
        bool rail() const { return rij == 'X' || rij == 'Y'; }
        QPoint midden() const { return hoek + QPoint(kHoleSize / 2, kHoleSize / 2); }
        QRect vierkant() const { return {hoek, QSize(kHoleSize, kHoleSize)}; }
        // As the board prints it: "C12"; a rail hole by its rail, "X".
        QString naam() const;
    };

    explicit Gaten(const BoardGeometry &board);
    static const Gaten &klein();
    static const Gaten &groot();
    static const Gaten &voor(bool BBgroot) { return BBgroot ? groot() : klein(); }

    const std::vector<Gat> &alle() const { return gaten_; }
    // The hole whose square holds the point.
    std::optional<Gat> onder(QPoint p) const;
    // The hole whose centre lies nearest to the point, not further than `bereik`
    // pixels, among those that `mag` lets through (all, without it); of two as near,
    // the first of the board's order.
    std::optional<Gat> dichtstbij(QPoint p, int bereik = kVastklikBereik,
                                  const std::function<bool(QPoint midden)> &mag = {}) const;
    // The holes joined to `gat`, itself among them, in the board's order.
    std::vector<Gat> verbonden(const Gat &gat) const;
    // What a hole is joined with: "verbonden met A12 - E12", "verbonden met rail X".
    QString verbindingTekst(const Gat &gat) const;

    static constexpr int kVastklikBereik = 10;

private:
    std::vector<Gat> gaten_;
};
