#include "project/ProjectImport.h"

#include "project/ProjectMap.h"
#include "project/ProjectOpslaan.h"
#include "project/ProjectZip.h"
#include "ui/DiskNames.h"
#include "ui/PictureFile.h"
#include "ui/Platform.h"
#include "ui/Surface.h"

#include <QDir>
#include <QFileInfo>

namespace ProjectImport {

namespace {

const QString kTitel = QStringLiteral(" Importeren");
const QString kExtensies[] = {QStringLiteral(".ovb"), QStringLiteral(".brb"),
                              QStringLiteral(".dat")};

// One of the project's files beside the path given, as found.
struct Bestand {
    QByteArray pad; // empty when there is none
    bool link = false;
    std::optional<QByteArray> inhoud; // nothing when it cannot be read or is too large
};

// The project's file with this extension beside `pad`, whatever the extension's case.
Bestand bestandBij(const QFileInfo &pad, const QString &naam, const QString &extensie) {
    Bestand bestand;
    bestand.pad = DiskNames::find(pad.absolutePath(), naam + extensie, [&](const QString &entry) {
        return entry.size() == naam.size() + 4 && entry.startsWith(naam) &&
               entry.endsWith(extensie, Qt::CaseInsensitive);
    });
    if (bestand.pad.isEmpty()) return bestand;
    bestand.link = QFileInfo(QFile::decodeName(bestand.pad)).isSymLink();
    if (!bestand.link) bestand.inhoud = DiskNames::read(bestand.pad, ProjectZip::kMaxUitgepakt);
    return bestand;
}

bool zelfdeMap(const QString &a, const QString &b) {
    const QString echt = QFileInfo(a).canonicalFilePath();
    return !echt.isEmpty() && echt == QFileInfo(b).canonicalFilePath();
}

// What tells why the three files beside `pad` are no project to bring in; empty when
// they are one.
QString bezwaar(const QString &pad, const QString &naam, const Bestand (&bestanden)[3]) {
    QStringList ontbreekt;
    for (int i = 0; i < 3; ++i) {
        if (bestanden[i].link)
            return nietGeopendTekst(
                pad, QStringLiteral("\"%1\" is een koppeling naar een ander bestand (een "
                                    "symbolische link); een project wordt alleen uit zijn eigen "
                                    "bestanden gelezen.")
                         .arg(QDir::toNativeSeparators(QFile::decodeName(bestanden[i].pad))));
        if (bestanden[i].pad.isEmpty()) ontbreekt << naam + kExtensies[i];
    }
    if (ontbreekt.size() == 3) return geenProjectTekst(pad);
    for (const Bestand &bestand : bestanden)
        if (!bestand.pad.isEmpty() && !bestand.inhoud) return geenProjectTekst(pad);
    if (!bestanden[0].inhoud || !PictureFile::decode(*bestanden[0].inhoud))
        return geenProjectTekst(pad);
    if (ontbreekt.isEmpty()) return {};
    const QString wie = ontbreekt.size() == 1
                            ? ontbreekt[0] + QStringLiteral(" ontbreekt")
                            : ontbreekt.join(QStringLiteral(" en ")) + QStringLiteral(" ontbreken");
    return nietGeopendTekst(pad, wie + QStringLiteral("; een project is een .ovb-, .brb- en "
                                                      ".dat-bestand met dezelfde naam."));
}

} // namespace

QString geenProjectTekst(const QString &pad) {
    return QStringLiteral("\"%1\" is geen Voltarix-project, of het kan niet worden gelezen.\r\n"
                          "Een project is een .ovb-, .brb- en .dat-bestand met dezelfde naam, "
                          "of een .zip-bestand dat met Exporteren... is gemaakt.")
        .arg(QDir::toNativeSeparators(pad));
}

QString nietGeopendTekst(const QString &pad, const QString &reden) {
    return QStringLiteral("Het project \"%1\" kan niet worden geopend:\r\n%2\r\n"
                          "Er is niets weggeschreven.")
        .arg(QDir::toNativeSeparators(pad), reden);
}

QString importeer(Platform &platform, const ProjectMap &map, const QString &pad) {
    const QFileInfo info(pad);
    const QString extensie = info.fileName().right(4).toLower();
    const auto weiger = [&](const QString &tekst) {
        platform.message(tekst, kTitel);
        return QString();
    };
    ProjectZip::Bestanden bestanden;
    if (extensie == QLatin1String(".zip")) {
        const ProjectZip::Gelezen gelezen = ProjectZip::lees(pad);
        if (gelezen.fout != ProjectZip::Fout::Geen)
            return weiger(ProjectZip::foutTekst(gelezen.fout, pad));
        bestanden = gelezen.bestanden;
    } else if (extensie == QLatin1String(".ovb") || extensie == QLatin1String(".brb") ||
               extensie == QLatin1String(".dat")) {
        bestanden.naam = info.fileName().chopped(4);
        if (bestanden.naam.isEmpty()) return weiger(geenProjectTekst(pad));
        if (!ProjectMap::geldigeNaam(bestanden.naam))
            return weiger(nietGeopendTekst(pad, QStringLiteral("zijn naam ") +
                                                    ProjectMap::ongeldigeNaamReden()));
        if (zelfdeMap(info.absolutePath(), map.folder()) && map.bestaat(bestanden.naam))
            return bestanden.naam;
        const Bestand gevonden[] = {bestandBij(info, bestanden.naam, kExtensies[0]),
                                    bestandBij(info, bestanden.naam, kExtensies[1]),
                                    bestandBij(info, bestanden.naam, kExtensies[2])};
        const QString tekst = bezwaar(pad, bestanden.naam, gevonden);
        if (!tekst.isEmpty()) return weiger(tekst);
        bestanden = {bestanden.naam, *gevonden[0].inhoud, *gevonden[1].inhoud, *gevonden[2].inhoud};
    }
    // The design sheet marks a project: without a readable one there is none.
    if (!ProjectMap::geldigeNaam(bestanden.naam) || !PictureFile::decode(bestanden.ovb))
        return weiger(geenProjectTekst(pad));
    if (map.bestaat(bestanden.naam) &&
        !platform.ask(QStringLiteral("Project bestaat reeds, vernieuwen?"),
                      QStringLiteral(" Exist")))
        return {};
    const ProjectMap::Fout fout =
        map.schrijf(bestanden.naam, bestanden.ovb, bestanden.brb, bestanden.dat);
    if (fout != ProjectMap::Geen) {
        platform.message(opslaanFoutTekst(fout));
        return {};
    }
    return bestanden.naam;
}

} // namespace ProjectImport
