#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>

class Platform;

// "Exporteren...": the sheet that is shown as a PNG picture, pixel for pixel, the
// whole design as a PDF document with the pages of the design print, for a report, or
// the project's three files in one zip archive, to hand in or to mail.
// Files are written under a temporary name and put in place only when whole, so a
// failed export leaves no half-written file and an older file as it was.
namespace Exporteren {

enum class Soort { Png, Pdf, Zip, Onbekend };

// The save dialog's formats, one per entry.
extern const QString kFilter;

// By the file name's extension, whatever its case.
Soort soortVan(const QString &pad);

bool schrijfPng(const QImage &blad, const QString &pad);
// The pages of Afdrukken::drukOntwerp on A4.
bool schrijfPdf(const QString &pad, const QString &naam, const QImage &Pic, const QImage &Pic2,
                const QStringList &regels);
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
};

// The whole command: the save dialog in `map` (the folder of the last export, which
// becomes the folder of this one), the file, a message when it fails. Returns the
// path written, empty when nothing was.
QString Exporteer(Platform &platform, QString &map, const Ontwerp &ontwerp);

} // namespace Exporteren
