#include "editor/Afdrukken.h"

#include "ui/Platform.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>

namespace Afdrukken {

namespace {

const QString kVraag = QStringLiteral("Wilt u dit ontwerp nu afdrukken?");
const QString kTitel = QStringLiteral(" Print");

// Prints text with the top-left corner of its line at (x, y), as a printer's
// current position works.
void drukTekst(QPainter &painter, int x, int y, const QString &text) {
    painter.drawText(x, y + painter.fontMetrics().ascent(), text);
}

void zetLetter(QPainter &painter, qreal punten, bool vet, QColor kleur) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(punten);
    font.setBold(vet);
    painter.setFont(font);
    painter.setPen(kleur);
}

int start(QPagedPaintDevice &printer, QPageLayout::Orientation richting, QPainter &painter) {
    printer.setPageOrientation(richting);
    return painter.begin(&printer) ? Geen : StartMislukt;
}

} // namespace

QString foutTekst(int nummer) {
    return QStringLiteral("Fout bij het afdrukken!\r\n(foutnummer: %1)").arg(nummer);
}

int drukOntwerp(QPagedPaintDevice &printer, const QString &naam, const QImage &Pic,
                const QImage &Pic2, const QStringList &regels) {
    QPainter painter;
    if (const int fout = start(printer, QPageLayout::Portrait, painter)) return fout;
    zetLetter(painter, 16, true, QColor(90, 0, 0));
    drukTekst(painter, 600, 600, naam);
    painter.drawImage(QRect(600, 1290, 10290, 6600), Pic);
    painter.drawImage(QRect(600, 8400, 10290, 6600), Pic2);
    if (!printer.newPage()) {
        painter.end();
        return NieuwePagina;
    }
    painter.setPen(QColor(0, 90, 0));
    drukTekst(painter, 600, 600, QStringLiteral("Componentenlijst ") + naam);
    zetLetter(painter, 12, false, QColor(40, 40, 40));
    for (int index = 2; index < regels.size(); ++index)
        drukTekst(painter, 600, 1080 + 240 * (index - 2), regels[index]);
    painter.end();
    return Geen;
}

int drukBreadboard(QPagedPaintDevice &printer, const QImage &Pic2) {
    QPainter painter;
    if (const int fout = start(printer, QPageLayout::Landscape, painter)) return fout;
    painter.drawImage(QRect(390, 390, 15900, 11100), Pic2);
    painter.end();
    return Geen;
}

void OntwerpAfdrukken(Platform &platform, const QString &naam, const QImage &Pic,
                      const QImage &Pic2, const QStringList &regels) {
    if (!platform.ask(kVraag, kTitel)) return;
    QPagedPaintDevice *printer = platform.printer();
    const int fout = printer ? drukOntwerp(*printer, naam, Pic, Pic2, regels) : GeenPrinter;
    if (fout != Geen) platform.message(foutTekst(fout));
}

void BreadboardAfdrukken(Platform &platform, const QImage &Pic2) {
    if (!platform.ask(kVraag, kTitel)) return;
    QPagedPaintDevice *printer = platform.printer();
    const int fout = printer ? drukBreadboard(*printer, Pic2) : GeenPrinter;
    if (fout != Geen) platform.message(foutTekst(fout));
}

} // namespace Afdrukken
