#include "editor/Exporteren.h"

#include "editor/Afdrukken.h"
#include "editor/VergrootPng.h"
#include "project/ProjectMap.h"
#include "project/ProjectZip.h"
#include "ui/BmpCodec.h"
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
                                       "PNG-afbeelding van het blad, 2x|*.png|"
                                       "PNG-afbeelding van het blad, 3x|*.png|"
                                       "PNG-afbeelding van het blad, 4x|*.png|"
                                       "PDF-document van het hele ontwerp|*.pdf|"
                                       "PDF-document van het breadboard|*.pdf|"
                                       "Zip-bestand van het project, om te delen|*.zip");

namespace {

// The entries of kFilter, in its order.
const Formaat kFormaten[] = {{Soort::Png, 1}, {Soort::Png, 2}, {Soort::Png, 3},
                             {Soort::Png, 4}, {Soort::Pdf},    {Soort::Pdf, 1, true},
                             {Soort::Zip}};

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

// The project inside a zip is named as the zip is, so that it comes back under the
// name the user gave it; a file name that is no project name gives the design's.
QString zipNaam(const QString &pad, const QString &naam) {
    QString stam = QFileInfo(pad).completeBaseName();
    if (ProjectMap::geldigeNaam(stam)) return stam;
    return ProjectMap::geldigeNaam(naam) ? naam : QStringLiteral("ontwerp");
}

} // namespace

Soort soortVan(const QString &pad) {
    const QString extensie = QFileInfo(pad).suffix().toLower();
    if (extensie == QLatin1String("png")) return Soort::Png;
    if (extensie == QLatin1String("pdf")) return Soort::Pdf;
    if (extensie == QLatin1String("zip")) return Soort::Zip;
    return Soort::Onbekend;
}

Formaat formaatVan(const QString &pad, int gekozen) {
    const Soort soort = soortVan(pad);
    if (gekozen >= 0 && gekozen < int(std::size(kFormaten)) && kFormaten[gekozen].soort == soort)
        return kFormaten[gekozen];
    for (const Formaat &formaat : kFormaten)
        if (formaat.soort == soort) return formaat;
    return {Soort::Onbekend};
}

// Straight into the file: an enlarged picture is not held in memory on its way. Every
// write is checked, and the file is put in place only when whole.
bool schrijfPng(const QImage &blad, const QString &pad, int vergroting) {
    QSaveFile file(pad);
    if (!file.open(QIODevice::WriteOnly)) return false;
    if (!VergrootPng::schrijf(blad, vergroting, file)) {
        file.cancelWriting();
        return false;
    }
    return safeCommit(file);
}

bool schrijfPdf(const QString &pad, const QString &naam, const QImage &Pic, const QImage &Pic2,
                const QStringList &regels, const Afdrukinstelling &instelling, bool breadboard) {
    return schrijfVeilig(pad, [&](QIODevice &file) {
        QPdfWriter pdf(&file);
        pdf.setResolution(1440); // a device unit is a twip, as on the printer
        pdf.setPageSize(QPageSize(QPageSize::A4));
        pdf.setTitle(naam);
        pdf.setCreator(QStringLiteral("Voltarix"));
        const int fout = breadboard
                             ? Afdrukken::drukBreadboard(pdf, Pic2, instelling)
                             : Afdrukken::drukOntwerp(pdf, naam, Pic, Pic2, regels, instelling);
        return fout == Afdrukken::Geen;
    });
}

bool schrijfZip(const QString &pad, const QString &naam, const QImage &Pic, const QImage &Pic2,
                const QByteArray &dat) {
    return schrijfVeilig(pad, [&](QIODevice &file) {
        QBuffer ovb, brb;
        ovb.open(QIODevice::WriteOnly);
        brb.open(QIODevice::WriteOnly);
        if (!BmpCodec::schrijf24(Pic.convertToFormat(QImage::Format_RGB32), ovb) ||
            !BmpCodec::schrijf24(Pic2.convertToFormat(QImage::Format_RGB32), brb))
            return false;
        const std::optional<QByteArray> zip = ProjectZip::maak({naam, ovb.data(), brb.data(), dat});
        return zip && file.write(*zip) == zip->size();
    });
}

QString foutTekst(const QString &pad) {
    return QStringLiteral("Fout bij het exporteren!\r\nHet bestand \"%1\" kon niet worden "
                          "geschreven.\r\nControleer of de map beschrijfbaar is en of er genoeg "
                          "ruimte op de schijf is.")
        .arg(QDir::toNativeSeparators(pad));
}

QString soortFoutTekst() {
    return QStringLiteral("Exporteren kan als PNG-afbeelding (.png), als PDF-document (.pdf) of "
                          "als zip-bestand (.zip).\r\nKies een naam die op .png, .pdf of .zip "
                          "eindigt.");
}

QString Exporteer(Platform &platform, QString &map, const Ontwerp &ontwerp) {
    int gekozen = -1;
    QString pad =
        platform.saveFileNameByFormat(kTitel, voorstel(map, ontwerp.naam), kFilter, &gekozen);
    if (pad.isEmpty()) return {};
    map = QFileInfo(pad).absolutePath();
    bool gelukt = false;
    const Formaat formaat = formaatVan(pad, gekozen);
    switch (formaat.soort) {
    case Soort::Png:
        gelukt = schrijfPng(ontwerp.blad, pad, formaat.vergroting);
        break;
    case Soort::Pdf:
        gelukt = schrijfPdf(pad, ontwerp.naam, ontwerp.Pic, ontwerp.Pic2,
                            formaat.breadboard ? QStringList() : ontwerp.regels(),
                            ontwerp.instelling, formaat.breadboard);
        break;
    case Soort::Zip:
        gelukt = schrijfZip(pad, zipNaam(pad, ontwerp.naam), ontwerp.Pic, ontwerp.Pic2,
                            ontwerp.dat ? ontwerp.dat() : QByteArray());
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
