#pragma once

#include "symbols/SymboolBibliotheek.h"

#include <QString>
#include <QVector>

// One symbol of the library as a search or the recent list shows it: its name, the
// category it belongs to (as the category box shows it) and that category's real folder.
struct SymboolTreffer {
    QString naam;
    QString categorie;
    QString map;
    bool operator==(const SymboolTreffer &ander) const {
        return naam == ander.naam && map == ander.map;
    }
};

// Finding a symbol by a few letters of its name, across every category. The library
// is read anew by lees() at each search, so that symbols added or removed meanwhile
// are found or gone; a folder that cannot be read adds nothing.
class SymboolZoeken {
public:
    // Far more than a symbol's name needs: the search field takes no more, as Qt lays out
    // a text of thousands of accents for minutes.
    static constexpr int kLangsteTekst = 100;

    // The text as it is compared: lower case, accents and other marks taken off.
    static QString vouw(const QString &tekst);

    void lees(const QVector<SymboolCategorie> &categorieen);

    // The symbols whose name, or whose category's name, holds `tekst` anywhere,
    // ignoring case and accents; by category, then by name. Nothing for an empty text.
    QVector<SymboolTreffer> zoek(const QString &tekst) const;

    // How the list shows a symbol of a search: its name, then its category.
    static QString regel(const SymboolTreffer &treffer);

private:
    struct Symbool {
        SymboolTreffer treffer;
        // Name and category folded, each searched on its own: a search never matches
        // across the two, whatever character it holds.
        QString naam, categorie;
    };
    QVector<Symbool> symbolen_;
};
