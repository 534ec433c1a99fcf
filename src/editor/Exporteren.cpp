#include "editor/Exporteren.h"

#include "editor/Afdrukken.h"
#include "ui/Platform.h"
#include "ui/SafeCommit.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSaveFile>

namespace Exporteren {

const QString kFilter = QStringLiteral("PNG-afbeelding van het blad|*.png|"
                                       "PDF-document van het hele ontwerp|*.pdf");

namespace {

const QString kTitel = QStringLiteral(" Exporteren");

// Writes through a temporary file that replaces `pad` only when it is whole. The
// content is made in memory first: a short write is then seen for what it is (Qt's
// PDF writer goes on as if its last bytes had reached the disk).
bool schrijfVeilig(const QString &pad, const std::function<bool(QIODevice &)> &maak) {
    QBuffer inhoud;
    inhoud.open(QIODevice::WriteOnly);
    if (!maak(inhoud)) return false;
    QSaveFile file(pad);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (file.write(inhoud.data()) != inhoud.data().size()) {
        file.cancelWriting();
        return false;
    }
    return safeCommit(file);
}

QString voorstel(const QString &map, const QString &naam) {
    // "*.*" and other names that are no file name give way to a plain one.
    const bool bruikbaar =
        !naam.isEmpty() &&
        !naam.contains(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]")));
    return QDir(map).filePath(bruikbaar ? naam : QStringLiteral("ontwerp"));
}

} // namespace

Soort soortVan(const QString &pad) {
    const QString extensie = QFileInfo(pad).suffix().toLower();
    if (extensie == QLatin1String("png")) return Soort::Png;
    if (extensie == QLatin1String("pdf")) return Soort::Pdf;
    return Soort::Onbekend;
}

bool schrijfPng(const QImage &blad, const QString &pad) {
    return schrijfVeilig(pad, [&blad](QIODevice &file) { return blad.save(&file, "PNG"); });
}

bool schrijfPdf(const QString &pad, const QString &naam, const QImage &Pic, const QImage &Pic2,
                const QStringList &regels) {
    return schrijfVeilig(pad, [&](QIODevice &file) {
        QPdfWriter pdf(&file);
        pdf.setResolution(1440); // a device unit is a twip, as on the printer
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setTitle(naam);
        pdf.setCreator(QStringLiteral("Voltarix"));
        return Afdrukken::drukOntwerp(pdf, naam, Pic, Pic2, regels) == Afdrukken::Geen;
    });
}

QString foutTekst(const QString &pad) {
    return QStringLiteral("Fout bij het exporteren!\r\nHet bestand \"%1\" kon niet worden "
                          "geschreven.\r\nControleer of de map beschrijfbaar is en of er genoeg "
                          "ruimte op de schijf is.")
        .arg(QDir::toNativeSeparators(pad));
}

QString soortFoutTekst() {
    return QStringLiteral("Exporteren kan als PNG-afbeelding (.png) of als PDF-document (.pdf).\r\n"
                          "Kies een naam die op .png of .pdf eindigt.");
}

QString Exporteer(Platform &platform, QString &map, const Ontwerp &ontwerp) {
    QString pad = platform.saveFileNameByFormat(kTitel, voorstel(map, ontwerp.naam), kFilter);
    if (pad.isEmpty()) return {};
    map = QFileInfo(pad).absolutePath();
    bool gelukt = false;
    switch (soortVan(pad)) {
    case Soort::Png:
        gelukt = schrijfPng(ontwerp.blad, pad);
        break;
    case Soort::Pdf:
        gelukt = schrijfPdf(pad, ontwerp.naam, ontwerp.Pic, ontwerp.Pic2, ontwerp.regels());
        break;
    case Soort::Onbekend:
        platform.message(soortFoutTekst(), kTitel);
        return {};
    }
    if (!gelukt) {
        platform.message(foutTekst(pad));
        return {};
    }
    return pad;
}

} // namespace Exporteren
