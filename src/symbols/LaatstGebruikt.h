#pragma once

#include "symbols/SymboolZoeken.h"

#include <QImage>
#include <QString>
#include <QVector>

// The symbols used last (placed on the design sheet or chosen in the list), newest
// first, at most kAantal. The list lives in a file of its own in the application
// folder, a line file (RegelBestand) of one symbol a line as "category folder/name";
// a file that is missing, unreadable or broken reads as an empty list.
class LaatstGebruikt {
public:
    static constexpr int kAantal = 12;
    static const QString kNaam; // "Laatst gebruikt", the entry of the category box

    LaatstGebruikt() = default;
    explicit LaatstGebruikt(const QString &bestand) : bestand_(bestand) {}

    void lees();
    // The symbol of `naam` in the category folder `map` to the front; the file is
    // written anew. False when the file could not be written (the list keeps it).
    bool gebruikt(const QString &map, const QString &naam);
    // A symbol renamed: remembered under its new name, in its place.
    void hernoemd(const QString &map, const QString &oud, const QString &nieuw);

    // The remembered symbols whose files are still in `symbolenFolder`; the others are
    // left out without a word (and stay remembered, should the file come back).
    QVector<SymboolTreffer> bestaande(const QString &symbolenFolder) const;

    // Whether `nu` is the picture `gekozen`, perhaps turned or mirrored since: the
    // current symbol is still the symbol chosen from the library.
    static bool zelfdeSymbool(const QImage &gekozen, const QImage &nu);

private:
    bool bewaar() const;

    struct Regel {
        QString map; // the folder's own name under "\Symbolen\"
        QString naam;
    };
    QString bestand_;
    QVector<Regel> regels_;
};
