#pragma once

#include <QRect>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QStringList>

class AppFolder;

// How a sheet lies on paper: stretched to its fixed rectangle, as large as fits with
// its proportions, or at its true size (one hole pitch of 20 sheet pixels is 2.54 mm).
enum class Schikking { Uitgerekt, VerhoudingBehouden, WareGrootte };

// The part of the sheet that is printed and the rectangle, in twips, it goes into.
struct Plaatsing {
    QRect bron;
    QRectF doel;
};

// `vak` is the sheet's rectangle on the page, in twips. At true size the sheet starts
// at the rectangle's top-left corner and is cut at its edges; the board face, which
// lies in the sheet's top-left 970 x 580 pixels, always fits.
Plaatsing plaatsing(QSize blad, QRect vak, Schikking schikking);

// The layout chosen for every print, preview and PDF, and the breadboard page's
// orientation, kept in "Afdrukken.txt" of the application folder: one name a line.
struct Afdrukinstelling {
    Schikking schikking = Schikking::Uitgerekt;
    bool staand = false; // the breadboard page; landscape unless chosen otherwise

    static const QStringList &schikkingNamen(); // in the order of Schikking
    static const QStringList &richtingNamen();  // landscape, portrait

    // A missing or foreign file, or a line that names nothing, gives the defaults.
    static Afdrukinstelling lees(const AppFolder &map);
    bool schrijf(const AppFolder &map) const;

    bool operator==(const Afdrukinstelling &ander) const {
        return schikking == ander.schikking && staand == ander.staand;
    }
};
