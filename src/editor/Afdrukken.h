#pragma once

#include "editor/Afdrukinstelling.h"

#include <QImage>
#include <QString>
#include <QStringList>

class Platform;
class QPagedPaintDevice;

// The two prints. Positions and sizes are twips from the printable area's top-left
// corner: the printer works at 1440 dots per inch, so a device unit is a twip. Each
// sheet has its fixed rectangle; the layout choice says how it fills it.
namespace Afdrukken {

// Error numbers of a failed print, shown as "(foutnummer: N)".
enum Fout {
    Geen = 0,
    GeenPrinter = 1,  // no printer is installed or chosen
    StartMislukt = 2, // the printer refused to start the document
    NieuwePagina = 3, // the printer refused a new page
};

QString foutTekst(int nummer);

// Page 1: the design's name, the design sheet and the breadboard sheet; page 2:
// "Componentenlijst " with the name and the list's display lines from the third on
// (the first two are the list's own heading). Lines below the printable height go on
// pages 3, 4, ... under the same heading. True size is for the breadboard page: here
// it keeps the proportions.
int drukOntwerp(QPagedPaintDevice &printer, const QString &naam, const QImage &Pic,
                const QImage &Pic2, const QStringList &regels,
                const Afdrukinstelling &instelling = {});

// One page with the breadboard sheet, landscape unless the choice says portrait.
int drukBreadboard(QPagedPaintDevice &printer, const QImage &Pic2,
                   const Afdrukinstelling &instelling = {});

// The list lines one page holds below its heading, at least one.
int regelsPerPagina(int printbareHoogte);

// The whole commands: the question " Print", the print, the message on a failure.
void OntwerpAfdrukken(Platform &platform, const QString &naam, const QImage &Pic,
                      const QImage &Pic2, const QStringList &regels,
                      const Afdrukinstelling &instelling = {});
void BreadboardAfdrukken(Platform &platform, const QImage &Pic2,
                         const Afdrukinstelling &instelling = {});

} // namespace Afdrukken
