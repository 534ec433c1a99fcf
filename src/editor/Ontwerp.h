#pragma once

#include "editor/ComponentList.h"
#include "editor/Exporteren.h"
#include "editor/RegelTelling.h"
#include "project/HerstelSchrijver.h"
#include "project/ProjectMap.h"
#include "ui/Geschiedenis.h"
#include "ui/Surface.h"

#include <QObject>
#include <QTextDocument>

#include <functional>
#include <memory>
#include <optional>

class Platform;
class QFile;

// The design the user works on, for the whole run: the design sheet, the breadboard
// sheet with the pristine board its eraser restores from, the board's size, the
// design's name, the component list and the history of each sheet. A design is
// nothing but pixels and text: nothing records which symbol lies where.
//
// The windows show it (the list box shows lijst() itself) and the tools draw on its
// sheets; the commands that change the design as a whole are here, each one step of
// its sheet's history.
class Ontwerp : public QObject {
    Q_OBJECT
public:
    enum class Blad { Ontwerpblad, Breadboard };

    // The list box's text while the list is too large to show in it.
    static const QString kTeGroot;
    // The question before a new design and before a new breadboard, and its title.
    static const QString kNieuwVraag, kNieuwTitel;

    // The design at one moment: what a save writes, an export exports, a recovery copy
    // keeps and a print prints.
    struct Kopie {
        QString naam;
        Surface Pic, Pic2;
        QString lijst; // what the list box holds: lines end in LF
        // A list too large to show, kept as its file: it is saved byte for byte.
        std::shared_ptr<QFile> bewaardeLijst;
        ComponentList lijstMaat; // the list box's font and width, for the display lines

        QByteArray dat() const;     // the list as a save writes it
        QStringList regels() const; // the list's display lines, for a print
        ProjectMap::Inhoud inhoud() const;
        HerstelSchrijver::Momentopname herstel() const;
        // What an export writes, as long as this copy lasts: a PNG holds the breadboard
        // or the design sheet, a PDF and a zip the whole design laid out as `instelling`.
        Exporteren::Ontwerp alsExport(bool breadboard, const Afdrukinstelling &instelling) const;
    };

    explicit Ontwerp(QObject *parent = nullptr);

    Surface Pic;    // design sheet: 49 x 49 symbols in a raster of 50-pixel blocks
    Surface Pic2;   // breadboard sheet: the board and the user's work on it
    Surface GumPic; // the pristine board, from which the eraser restores

    // The sheets hold as many pixels as their places on the screen; the board is drawn
    // anew at that size.
    void zetMaten(QSize ontwerpblad, QSize breadboard);

    const QString &naam() const { return naam_; }
    void zetNaam(const QString &naam);
    bool groot() const { return groot_; }
    // The board size the program starts with; not a step of the history.
    void beginMetBord(bool groot);

    QTextDocument &lijst() { return lijst_; }
    void zetLijst(const QString &tekst); // a list to show and edit
    bool lijstTeGroot() const { return bool(bewaardeLijst_); }
    // The list's display lines at the list box's font and width, counted again from
    // `positie` on after a change that brought `erbij` characters.
    int telRegels(const QFont &letter, qreal breedte, int positie, int erbij);

    Geschiedenis &geschiedenis(Blad blad) { return blad == Blad::Ontwerpblad ? pic_ : pic2_; }
    // A change of one sheet as a named step. A command in the middle of a drag (a key
    // while the button is held) joins that drag's step instead of starting its own.
    void alsStap(Blad blad, const QString &naam, const std::function<void()> &bewerking);
    bool undo(Blad blad);
    bool redo(Blad blad);

    // "Nieuw Project": an empty design sheet with its raster in `rasterGrijs`, no
    // name, the start list, a bare board.
    void nieuw(int rasterGrijs, const QString &beginLijst);
    // "Nieuw" of the breadboard: a bare board.
    void nieuwBreadboard();
    // The board's other size, after the user's yes; false when nothing changed.
    bool wisselBord(Platform &platform);
    // An opened project or a restored copy: its sheets, its name and its list, and a
    // fresh start of both histories. A list too large to show is kept as its file.
    void laad(const ProjectMap::Geladen &geladen, const QString &naam);

    Kopie kopie();

signals:
    void naamVeranderd(const QString &naam);
    void bordVeranderd(bool groot);
    void geschiedenisVeranderd();

private:
    void zetGroot(bool groot);
    bool naStap(Blad blad, bool genomen);

    QString naam_ = QStringLiteral("*.*");
    bool groot_ = false;
    QTextDocument lijst_;
    ComponentList lijstMaat_;
    RegelTelling regelTelling_;
    std::optional<QString> lijstTekst_; // the list's text as last fetched, until it changes
    std::shared_ptr<QFile> bewaardeLijst_;
    Geschiedenis pic_{{&Pic}};
    // The pristine board goes with the breadboard: the eraser must restore the board
    // that an undone size switch brings back. The number of its steps is the board size.
    Geschiedenis pic2_{{&Pic2, &GumPic}};
};
