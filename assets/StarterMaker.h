#pragma once

#include <QString>
#include <QStringList>

// Draws the starter content of an application folder: the symbol library, the
// breadboard part pictures, the help pages with their pictures and background, and
// an example project.
namespace StarterMaker {

// The hidden file that marks a folder as made here, so that making it again may
// replace it whole.
inline const QString kMarker = QStringLiteral(".voltarix-starter-made");

// Makes the starter folder `folder`. It must not exist, be empty, or be a folder
// made here before (which is replaced whole). Returns what went wrong; empty when
// everything was written.
QStringList maak(const QString &folder);

// The parts, each writing into an existing folder; they return what went wrong.
QStringList maakSymbolen(const QString &folder);
QStringList maakOnderdelen(const QString &folder);

} // namespace StarterMaker
