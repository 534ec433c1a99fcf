#pragma once

#include <QRgb>
#include <QString>
#include <QStringList>

// The nine colour names of the wires and texts, in the order of the colour box.
const QStringList &kleurNamen();

// The colour of a colour name; names are compared exactly, case included, and a
// name that is not in the table gives black.
QRgb KleurVanNaam(const QString &naam);
