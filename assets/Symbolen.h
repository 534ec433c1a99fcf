#pragma once

#include <QString>
#include <QVector>

class SymboolPen;

// The symbols of the starter library, by category. Each becomes the file
// "\Symbolen\" + categorie + "\" + naam + ".bmp".
struct Symbool {
    QString categorie;
    QString naam;
    void (*teken)(SymboolPen &pen);
};

namespace Symbolen {

// Every symbol, in the order of their categories.
QVector<Symbool> alle();

// One list per group of categories, each in its own file.
QVector<Symbool> passief();       // Weerstanden, Condensatoren
QVector<Symbool> halfgeleiders(); // Halfgeleiders
QVector<Symbool> ic();            // IC
QVector<Symbool> schakelaars();   // Schakelaars, Voeding
QVector<Symbool> uitvoer();       // Uitvoer, Meters
QVector<Symbool> overige();       // Overige, Verbindingen

} // namespace Symbolen
