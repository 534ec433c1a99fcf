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

void tekenBlad(QPainter &painter, const QImage &blad, QRect vak, Schikking schikking) {
    const Plaatsing plek = plaatsing(blad.size(), vak, schikking);
    painter.drawImage(plek.doel, blad, plek.bron);
}

int start(QPagedPaintDevice &printer, QPageLayout::Orientation richting, QPainter &painter) {
    printer.setPageOrientation(richting);
    return painter.begin(&printer) ? Geen : StartMislukt;
}

} // namespace

QString foutTekst(int nummer) {
    return QStringLiteral("Fout bij het afdrukken!\r\n(foutnummer: %1)").arg(nummer);
}

int regelsPerPagina(int printbareHoogte) {
    return std::max(1, (printbareHoogte - 1080) / 240);
}

int drukOntwerp(QPagedPaintDevice &printer, const QString &naam, const QImage &Pic,
                const QImage &Pic2, const QStringList &regels, const Afdrukinstelling &instelling) {
    QPainter painter;
    if (const int fout = start(printer, QPageLayout::Portrait, painter)) return fout;
    const Schikking schikking = instelling.schikking == Schikking::WareGrootte
                                    ? Schikking::VerhoudingBehouden
                                    : instelling.schikking;
    zetLetter(painter, 16, true, QColor(90, 0, 0));
    drukTekst(painter, 600, 600, naam);
    tekenBlad(painter, Pic, QRect(600, 1290, 10290, 6600), schikking);
    tekenBlad(painter, Pic2, QRect(600, 8400, 10290, 6600), schikking);
    const int perPagina = regelsPerPagina(printer.height());
    const int aantal = std::max(0, int(regels.size()) - 2);
    const int paginas = std::max(1, (aantal + perPagina - 1) / perPagina);
    for (int pagina = 0; pagina < paginas; ++pagina) {
        if (!printer.newPage()) {
            painter.end();
            return NieuwePagina;
        }
        zetLetter(painter, 16, true, QColor(0, 90, 0));
        drukTekst(painter, 600, 600, QStringLiteral("Componentenlijst ") + naam);
        zetLetter(painter, 12, false, QColor(40, 40, 40));
        for (int k = 0, index = 2 + pagina * perPagina; k < perPagina && index < regels.size();
             ++k, ++index)
            drukTekst(painter, 600, 1080 + 240 * k, regels[index]);
    }
    painter.end();
    return Geen;
}

int drukBreadboard(QPagedPaintDevice &printer, const QImage &Pic2,
                   const Afdrukinstelling &instelling) {
    QPainter painter;
    const auto richting = instelling.staand ? QPageLayout::Portrait : QPageLayout::Landscape;
    if (const int fout = start(printer, richting, painter)) return fout;
    const QRect vak =
        instelling.staand ? QRect(390, 390, 11100, 15900) : QRect(390, 390, 15900, 11100);
    tekenBlad(painter, Pic2, vak, instelling.schikking);
    painter.end();
    return Geen;
}

void OntwerpAfdrukken(Platform &platform, const QString &naam, const QImage &Pic,
                      const QImage &Pic2, const QStringList &regels,
                      const Afdrukinstelling &instelling) {
    if (!platform.ask(kVraag, kTitel)) return;
    QPagedPaintDevice *printer = platform.printer();
    const int fout =
        printer ? drukOntwerp(*printer, naam, Pic, Pic2, regels, instelling) : GeenPrinter;
    if (fout != Geen) platform.message(foutTekst(fout));
}

void BreadboardAfdrukken(Platform &platform, const QImage &Pic2,
                         const Afdrukinstelling &instelling) {
    if (!platform.ask(kVraag, kTitel)) return;
    QPagedPaintDevice *printer = platform.printer();
    const int fout = printer ? drukBreadboard(*printer, Pic2, instelling) : GeenPrinter;
    if (fout != Geen) platform.message(foutTekst(fout));
}

} // namespace Afdrukken
