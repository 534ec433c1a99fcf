#pragma once

#include "editor/Afdrukinstelling.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>

class Platform;

// "Exporteren...": the sheet that is shown as a PNG picture, pixel for pixel or each
// pixel a block of 2 x 2 to 4 x 4, the whole design as a PDF document with the pages
// of the design print, or the breadboard page, for a report, or the project's three
// files in one zip archive, to hand in or to mail.
// Files are written under a temporary name and put in place only when whole, so a
// failed export leaves no half-written file and an older file as it was.
namespace Exporteren {

enum class Soort { Png, Pdf, Zip, Onbekend };

// The save dialog's formats, one per entry.
extern const QString kFilter;

// What an entry of kFilter writes.
struct Formaat {
    Soort soort;
    int vergroting = 1;      // a PNG: each sheet pixel a block this wide and high
    bool breadboard = false; // a PDF: the breadboard page instead of the design print
};

// By the file name's extension, whatever its case.
Soort soortVan(const QString &pad);
// The entry `gekozen` of kFilter when it writes the file's kind; else the first entry
// of that kind.
Formaat formaatVan(const QString &pad, int gekozen);

bool schrijfPng(const QImage &blad, const QString &pad, int vergroting = 1);
// The pages of Afdrukken::drukOntwerp, or with `breadboard` the page of
// Afdrukken::drukBreadboard, on A4.
bool schrijfPdf(const QString &pad, const QString &naam, const QImage &Pic, const QImage &Pic2,
                const QStringList &regels, const Afdrukinstelling &instelling = {},
                bool breadboard = false);
// The three files as a save writes them, named after the project `naam`.
bool schrijfZip(const QString &pad, const QString &naam, const QImage &Pic, const QImage &Pic2,
                const QByteArray &dat);

QString foutTekst(const QString &pad);
QString soortFoutTekst();

struct Ontwerp {
    QString naam; // the design's name, "*.*" when it has none
    QImage blad;  // the sheet that is shown, for a PNG
    QImage Pic, Pic2;
    std::function<QStringList()> regels;  // the list's display lines, for a PDF
    std::function<QByteArray()> dat = {}; // the list as a save writes it, for a zip
    Afdrukinstelling instelling = {};     // the layout of a PDF
};

// The whole command: the save dialog in `map` (the folder of the last export, which
// becomes the folder of this one), the file, a message when it fails. Returns the
// path written, empty when nothing was.
QString Exporteer(Platform &platform, QString &map, const Ontwerp &ontwerp);

} // namespace Exporteren
