#pragma once

#include "editor/Selectie.h"
#include "ui/AppFolder.h"
#include "ui/Surface.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>
#include <Qt>

#include <optional>

class Gaten;
class Geschiedenis;

// The tool modes of the breadboard sheet and what a press, a drag and a release do
// in them: wires, the eraser, one text, stamping a part picture. The sheet's widget
// forwards its mouse events and the breadboard tools' changes here, and afterwards
// places the floating previews where this class says; tests drive it the same way.
//
// The sheet's own drawing state (inverting or copying, line width 1 or 3) lives in
// the sheet, Pic2.
class BreadboardEditor {
public:
    // The entries of the tool box, by index; from kEersteOnderdeel on, part pictures.
    enum Gereedschap {
        kComponenten = 0,
        kDraadverbinding = 1,
        kGummen = 2,
        kTekstPlaatsen = 3,
        kScheiding = 4,
        kEersteOnderdeel = 5,
    };

    // Where a floating preview over the sheet stands, in sheet pixels.
    struct Voorbeeld {
        QRect plek;
        bool zichtbaar = false;
    };

    // Draws on the breadboard sheet `Pic2`; the eraser restores from `GumPic`.
    BreadboardEditor(Surface &Pic2, Surface &GumPic, AppFolder folder);

    // The tool box: the entry's index becomes the mode; the part picture of that
    // entry, if there is a good one, becomes the stamp.
    void kiesGereedschap(int index, const QString &entry);
    void kiesKleur(const QString &kleurNaam);
    // The text tools: the text, its size in points (the size box's text) and boldness.
    void zetTekst(const QString &tekst);
    void zetTekstGrootte(const QString &punten);
    void zetVet(bool vet);

    // Each press-to-release, from the first button down to the last one up, becomes one
    // step of `geschiedenis` (none: nothing is recorded).
    void zetGeschiedenis(Geschiedenis *geschiedenis) { geschiedenis_ = geschiedenis; }

    // Snapping the ends of wires to the holes of this board; none: off.
    void zetGaten(const Gaten *gaten) { gaten_ = gaten; }

    void druk(Qt::MouseButton button, int x, int y);
    // Answers the status line's new text, if the pointer is over a contact point.
    // `recht` (Shift held) keeps a wire horizontal, vertical or at 45 degrees.
    std::optional<QString> beweeg(Qt::MouseButtons ingedrukt, int x, int y, bool recht = false);
    void laatLos(Qt::MouseButton button, int x, int y, bool recht = false);

    int Modus() const { return Modus_; }
    // In the neutral modes a drag chooses a part of the drawing to move, copy or cut.
    bool neutraal() const { return Modus_ == kComponenten || Modus_ == kScheiding; }
    Selectie &selectie() { return selectie_; }
    const QString &HuidigeKleur() const { return HuidigeKleur_; }
    QPoint start() const { return {StartX_, StartY_}; }
    QPoint eind() const { return {EindX_, EindY_}; }

    // The previews: the part picture BBlayer, the eraser outline GumLayer and the text
    // TekstLabel; and whether the text tools (text box, size box, bold box) show.
    Voorbeeld BBlayer() const;
    Voorbeeld GumLayer() const;
    Voorbeeld TekstLabel() const;
    bool tekstGereedschapZichtbaar() const { return tekstZichtbaar_; }
    const QString &tekst() const { return tekst_; }
    Surface::TextStyle tekstStijl() const;
    // The part picture's preview, transparent where a stamp leaves the board alone.
    QImage BBlayerBeeld() const;

private:
    void loslaten(Qt::MouseButton button, int x, int y, bool recht);
    void beginDraad(int x, int y);
    void elastiekStap(int x, int y);
    void eindDraad(int x, int y, QRgb kleur);
    void haalElastiekWeg();
    void drukTekst(int x, int y, QRgb kleur);
    void annuleer();

    QString stapNaam() const; // of the step a press starts

    Surface &Pic2_;
    Surface &GumPic_;
    Surface BBPic_; // the current part picture, white where the file is transparent
    const AppFolder folder_;
    Geschiedenis *geschiedenis_ = nullptr;
    const Gaten *gaten_ = nullptr;
    Qt::MouseButtons ingedrukt_;
    // Where this press-to-release drew, so that its step compares only there; none:
    // anywhere (a selection's move).
    std::optional<QRect> getekend_;
    void teken(const QRect &plek);
    Selectie selectie_;

    int Modus_ = kComponenten;
    QString HuidigeKleur_ = QStringLiteral("Rood");
    int StartX_ = 0, StartY_ = 0, EindX_ = 0, EindY_ = 0;
    // A wire drag runs from a left press in the wire mode to its end; the rubber band
    // is on the sheet once a drag step has drawn it.
    bool draadBezig_ = false;
    bool elastiekGetekend_ = false;

    QString tekst_ = QStringLiteral("Tekst");
    qreal tekstGrootte_ = 12;
    bool vet_ = false;

    bool bbZichtbaar_ = false, gumZichtbaar_ = false, tekstZichtbaar_ = false;
    QPoint bbHoek_, gumHoek_, tekstHoek_;
};
