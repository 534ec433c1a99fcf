#pragma once

#include "ui/Geschiedenis.h"
#include "ui/Surface.h"

#include <QString>
#include <Qt>

#include <functional>

class Platform;

// The symbol designer without its window: the 49 x 49 drawing, the magnified grid
// that shows it, the palette, the drawing colour and the picking state, and every
// toolbar command. The window forwards its events here with the same calls a test
// makes, and shows the surfaces and texts it reads back.
//
// The drawing is the one source of truth; the grid is repainted from it.
class SymboolDesigner {
public:
    static constexpr int kKnoppen = 15;  // toolbar buttons 1 to 15
    static constexpr int kKiesKnop = 15; // Colorpicker: picking on
    static constexpr int kLegeKnop = 12; // a blank button that does nothing

    // The Open and Save dialogs start in `symboolMap`, the library's folder of the
    // category the user works in.
    explicit SymboolDesigner(Platform &platform, const QString &symboolMap = {});
    // Told the path of every symbol file that Save wrote.
    void zetNaBewaren(std::function<void(const QString &pad)> naBewaren);

    const Surface &tekening() const { return tekening_; }
    Surface &tekening() { return tekening_; }
    const Surface &raster() const { return raster_; }
    Surface &raster() { return raster_; }
    const Surface &palet() const { return palet_; }
    Surface &palet() { return palet_; }

    QRgb tekenKleur() const { return tekenKleur_; }
    int laatsteKnop() const { return laatsteKnop_; }
    bool kiezen() const { return laatsteKnop_ == kKiesKnop; }
    // While picking, only the Colorpicker button itself can be used.
    bool knopActief(int index) const { return !kiezen() || index == kKiesKnop; }
    QString titel() const { return titel_; }
    QString coordTekst() const { return coordTekst_; }
    QString paletHint() const { return paletHint_; }

    // The events of the window. Buttons are the button pressed for a press, the
    // buttons held for a move.
    void opdracht(int index);
    void rasterDruk(Qt::MouseButtons knop, int x, int y);
    void rasterBeweeg(Qt::MouseButtons knoppen, int x, int y);
    // A button let go: a stroke, from its press to here, is one step.
    void rasterLos();
    // Every stroke and every command that changes the drawing can be undone; a symbol
    // opened, or the designer opened anew, starts a fresh history.
    void Undo();
    void Redo();
    void paletDruk(int x, int y);
    void paletBeweeg(int x, int y);
    // Makes the drawing the main window's current symbol.
    void draagOver(Surface &IconPic) const;

    // The toolbar commands.
    void NieuwIcon();
    void OpenIcon();
    void BewaarIcon();
    void VulIcon();
    void TekenVierkant();
    void TekenCirkel();

private:
    static QString stapNaam(int index);
    void schilder(Qt::MouseButtons knoppen, int x, int y);
    void kies(int x, int y);
    void voerUit(int index);
    void figuur(const QString &vraag, const QString &fout, void (*teken)(Surface &, int, QRgb));
    template <typename Bewerking> void bewerk(Bewerking bewerking);

    Platform &platform_;
    const QString symboolMap_;
    std::function<void(const QString &)> naBewaren_;
    Surface tekening_;
    Geschiedenis geschiedenis_{{&tekening_}};
    Surface raster_;
    Surface palet_;
    QRgb tekenKleur_;
    int laatsteKnop_ = 0;
    QString titel_;
    QString coordTekst_;
    QString paletHint_;
};
