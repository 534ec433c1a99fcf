#pragma once

#include "ui/Surface.h"

#include <QPoint>
#include <QString>

// Drawing on the two sheets of a project as the program's own tools draw there: the
// starter's example projects are made with it.
namespace BladPen {

// A symbol of the starter library as its file holds it.
Surface symbool(const QString &naam);
// A quarter turn clockwise, as the program's turn button does it.
Surface gedraaid(const Surface &blok);
// A text block as the text dialog makes one: bold, centred on column 25.
Surface tekstBlok(const QString &tekst);
// Puts a 49 x 49 block into the raster place (kolom, rij) of the design sheet.
void plaats(Surface &blad, int kolom, int rij, const Surface &blok);

// The centre of contact point (k, m) of the breadboard.
QPoint contact(int k, int m);
// Stamps a part picture so that its first leg lands on contact point (k, m), as the
// program stamps it: everything but the transparent pixels is copied.
void stempel(Surface &bord, const QString &naam, int k, int m);
// A wire as the wire tool draws one, three pixels wide, in a colour of the table.
void draad(Surface &bord, QPoint van, QPoint tot, const QString &kleur);
// Bold text in a colour of the table.
void tekst(Surface &bord, int x, int y, const QString &tekst, const QString &kleur, int grootte);

} // namespace BladPen
