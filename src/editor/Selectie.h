#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <Qt>

#include <optional>

class Surface;

// A part of a sheet chosen by dragging, to move, copy, cut, delete or paste over.
//
// On the design sheet (no pristine board given) it works in whole raster cells: what
// moves are the 49 x 49 insides of the cells, never the raster lines between them, and
// a place left or cleared becomes white. A copy is a picture of the cells' insides with
// the lines between them, a block every 50 pixels; any picture pastes that way.
//
// On the breadboard it works in pixels, and only what was drawn counts: pixels equal to
// the pristine board at their place are left out of a copy (transparent in its
// picture) and are not moved, and a place left or cleared gets the pristine board back.
//
// The outline is for the window to draw over the sheet; nothing of it is painted in.
class Selectie {
public:
    Selectie(Surface &blad, const Surface *bord = nullptr);

    // A press on the sheet. `kiezen`: the press may start a new selection (Shift on the
    // design sheet, any left press in the breadboard's neutral mode). Returns whether
    // the press belongs to the selection, so that the sheet does nothing else with it:
    // a left press inside it starts a move, any other press while there is one drops
    // it, and a left press with `kiezen` starts choosing; on the design sheet, where
    // `kiezen` is Shift, it does so wherever it starts, inside the selection too.
    bool druk(Qt::MouseButton knop, QPoint p, bool kiezen);
    void sleep(QPoint p);
    // The release: a choice made ends, a move is carried out. Returns whether the sheet
    // changed.
    bool los(QPoint p);

    bool actief() const { return gebied_.has_value(); }
    bool bezig() const { return sleep_ != Sleep::Geen; }
    void laatVallen();
    // The outline to draw, in sheet pixels, following a drag; empty: none.
    QRect rand() const;

    QImage kopie() const;
    void wis();
    // The picture's top-left block (or pixel) at the cell (or pixel) under `p`, clipped
    // at the sheet's edge; what was pasted becomes the selection.
    void plak(const QImage &beeld, QPoint p);

private:
    enum class Sleep { Geen, Kiezen, Verplaatsen };
    bool blokken() const { return bord_ == nullptr; }
    QPoint eenheid(QPoint p) const; // the cell, or the pixel, under a point
    QRect pixels(QRect eenheden) const;
    QRect binnenBlad(QRect eenheden) const;

    Surface &blad_;
    const Surface *bord_;
    std::optional<QRect> gebied_; // in cells or pixels
    Sleep sleep_ = Sleep::Geen;
    QPoint anker_, huidig_;
};
