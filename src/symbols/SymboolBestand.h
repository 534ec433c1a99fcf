#pragma once

#include <QImage>
#include <QString>

// Writing the symbol designer's picture files.
namespace SymboolBestand {

// The name under which a symbol is saved: as typed, plus ".bmp" unless it already
// ends so (in any case). The library lists only its BMP files, each by its name less
// the last four letters, so "weerstand2" would show as "weerst" and "R 2.2k" as "R ".
QString metExtensie(const QString &naam);

// Writes the picture as a BMP under exactly this name. An existing file is replaced
// only once the new one is completely written; a read-only file is left alone.
bool bewaar(const QImage &picture, const QString &pad);

} // namespace SymboolBestand
