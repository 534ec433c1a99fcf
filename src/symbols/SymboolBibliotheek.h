#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

class Platform;
class Surface;

// The symbol library is the folder "\Symbolen\": one subfolder per category, each
// holding 49 x 49 symbol bitmaps. A category is shown by its folder's name in lower
// case; each shown name stays tied to its real folder, whatever its case.
struct SymboolCategorie {
    QString naam; // as the category box shows it
    QString map;  // the real folder
};

// The library panel: the symbols of the category that is listed, the current symbol
// taken from one of them, Rename and Delete. The folders are the only store; the
// list is built from a folder and afterwards follows only what the panel itself
// does to it. Names are kept sorted ignoring case.
class SymboolBibliotheek {
public:
    // Why a rename failed, shown to the user as "(foutnummer: N)". The numbers are
    // the ones users of the program know from its file layer, and never change.
    enum Foutnummer {
        kGelukt = 0,
        kOngeldigeNaam = 52, // the new name would reach into another folder ("/" or "\"),
                             // would hide the file (a leading "."), or is too long
        kNietGevonden = 53,  // the symbol's file is gone
        kBestaatAl = 58,     // a file of the new name exists; it is never replaced
        kGeenToegang = 70,   // the folder or the file may not be changed
        kToegangsFout = 75,  // any other failure of the file system
    };

    // The categories in the order of the folder listing; none for a missing folder.
    static QVector<SymboolCategorie> categorieen(const QString &symbolenFolder);

    // The folder that the category box's text names: a category of the box, or a
    // folder of the library found ignoring case. Empty for a text that names no
    // folder of the library (a half-typed name, "..", a path).
    static QString categorieMap(const QString &tekst, const QVector<SymboolCategorie> &categorieen,
                                const QString &symbolenFolder);

    // The symbol names of a folder's files: each file name without its last four
    // characters; names shorter than four characters are skipped.
    static QStringList symboolNamen(const QStringList &bestanden);
    // Where `naam` belongs in a list sorted ignoring case.
    static int invoegPlaats(const QStringList &namen, const QString &naam);
    static QString telTekst(int aantal); // "12 Symbolen gevonden..."

    // Renames the symbol file of `oud` to `nieuw` + ".bmp" in `map`, never over an
    // existing file; kGelukt or the reason it failed.
    static Foutnummer hernoemBestand(const QString &map, const QString &oud, const QString &nieuw);
    // Deletes the symbol file of `naam`; a file marked read-only is left alone.
    static bool verwijderBestand(const QString &map, const QString &naam);

    // Lists the symbols of `map`; an empty `map` lists the folder listed before again.
    void lees(const QString &map);
    // A symbol file just written: listed at its place when it lies in the listed
    // folder and is not listed yet. Its new row, or nothing.
    std::optional<int> voegToe(const QString &pad);
    const QString &map() const { return map_; }
    const QStringList &namen() const { return namen_; }
    QString telRegel() const { return telTekst(int(namen_.size())); }

    // Loads the top-left 49 x 49 pixels of the symbol in row `rij` into `IconPic`,
    // white where the picture is smaller. False, with `IconPic` unchanged, when the
    // file cannot be read.
    bool laad(int rij, Surface &IconPic) const;

    // The same for the symbol `naam` of any category folder `map`.
    static bool laadSymbool(const QString &map, const QString &naam, Surface &IconPic);
    // The file of the symbol `naam` in `map`, whatever the case of its name; empty
    // when there is none.
    static QByteArray bestandVan(const QString &map, const QString &naam);

    // The Rename button with the selected row (-1 for none): asks for the new name and
    // renames the file. The new row of the renamed entry, or nothing when nothing
    // changed.
    std::optional<int> hernoem(int rij, Platform &platform);
    // The Delete button: asks, deletes the file (silently skipped when it cannot be
    // deleted) and drops the entry. True when the entry left the list.
    bool verwijder(int rij, Platform &platform);

private:
    QString gekozen(int rij) const;

    QString map_;
    QStringList namen_;
};
