#pragma once

#include "ui/Surface.h"

#include <QByteArray>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QVector>

// The example project of the starter folder: a red LED with its series resistor and
// a push button on a 9 V battery, on both sheets, with its component list. The
// sheets have the sizes they have on a screen of 1024 x 768 pixels.
namespace VoorbeeldProject {

inline const QString kNaam = QStringLiteral("Voorbeeld LED");
constexpr QSize kOntwerpblad(800, 551);
constexpr QSize kBreadboard(800, 541);

// Where the parts stand on the breadboard: the first leg of each on contact point
// (k, m), counted from (196, 146) in steps of 20.
struct Plaatsing {
    QString onderdeel;
    int k, m;
};
QVector<Plaatsing> onderdelenOpBord();

// The design sheet: symbols in the blocks of a raster in grey `rasterGrijs`.
Surface ontwerpblad(int rasterGrijs = 150);
// The blocks of the design sheet that hold the circuit.
constexpr QRect kSchakeling(0, 0, 301, 201);
// The breadboard sheet: the small board with the parts stamped on it and the wires.
Surface breadboard();
// The component list as the program keeps it: lines ending in CR LF.
QString componentenlijst();

// Writes the example into "\Projecten\" of `folder`; returns what went wrong.
QStringList maak(const QString &folder);

} // namespace VoorbeeldProject
