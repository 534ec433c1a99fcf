#pragma once

#include "ui/Surface.h"

#include <QPoint>
#include <QString>
#include <QStringList>
#include <QVector>

// The example projects that the menu "Bestand" offers under "Voorbeelden", from simple
// to less simple. Each is a circuit on both sheets with its component list; the
// projects lie in "\Voorbeelden\" of the application folder, named so that their name
// order is the order of the menu.
namespace Voorbeelden {

constexpr QSize kOntwerpblad(800, 551);
constexpr QSize kBreadboard(800, 541);

// A symbol or a label in a raster place of the design sheet.
struct Blok {
    int kolom, rij;
    QString symbool; // a symbol of the library, or
    bool gedraaid = false;
    QString tekst = {}; // a label as the text dialog writes it
};

// A part picture with its first leg on contact point (k, m).
struct Onderdeel {
    QString naam;
    int k, m;
};

// A wire from one contact point to another.
struct Draad {
    QPoint van, tot; // (k, m)
    QString kleur;
};

struct Voorbeeld {
    QString naam; // the project's name, its number first
    QString titel;
    QVector<Blok> blad;
    QVector<Onderdeel> onderdelen;
    QVector<Draad> draden;
    QStringList onderdelenLijst; // one line a part
    QStringList uitleg;          // two or three short sentences, a line each
};

QVector<Voorbeeld> alle();

// The design sheet: the raster in grey `rasterGrijs` and the blocks.
Surface ontwerpblad(const Voorbeeld &voorbeeld, int rasterGrijs = 150);
// The blocks of the design sheet that hold the circuit.
QRect schakeling(const Voorbeeld &voorbeeld);
// The small board with the parts stamped on it and the wires drawn.
Surface breadboard(const Voorbeeld &voorbeeld);
// The component list as the program keeps it: the heading, the parts, the explanation;
// lines ending in CR LF.
QString componentenlijst(const Voorbeeld &voorbeeld);

// Writes every example into "\Voorbeelden\" of `folder`; returns what went wrong.
QStringList maak(const QString &folder);

} // namespace Voorbeelden
