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

// The project's file with this extension beside `pad`, whatever the extension's case;
// empty when it is missing or larger than a zip may hold.
std::optional<QByteArray> bestandBij(const QFileInfo &pad, const QString &naam,
                                     const QString &extensie) {
    const QByteArray gevonden =
        DiskNames::find(pad.absolutePath(), naam + extensie, [&](const QString &entry) {
            return entry.size() == naam.size() + 4 && entry.startsWith(naam) &&
                   entry.endsWith(extensie, Qt::CaseInsensitive);
        });
    if (gevonden.isEmpty()) return QByteArray();
    return DiskNames::read(gevonden, ProjectZip::kMaxUitgepakt);
}

bool zelfdeMap(const QString &a, const QString &b) {
    const QString echt = QFileInfo(a).canonicalFilePath();
    return !echt.isEmpty() && echt == QFileInfo(b).canonicalFilePath();
}

} // namespace

QString geenProjectTekst(const QString &pad) {
    return QStringLiteral("\"%1\" is geen Voltarix-project, of het kan niet worden gelezen.\r\n"
                          "Een project is een .ovb-, .brb- en .dat-bestand met dezelfde naam, "
                          "of een .zip-bestand dat met Exporteren... is gemaakt.")
        .arg(QDir::toNativeSeparators(pad));
}

QString importeer(Platform &platform, const ProjectMap &map, const QString &pad) {
    const QFileInfo info(pad);
    const QString extensie = info.fileName().right(4).toLower();
    ProjectZip::Bestanden bestanden;
    if (extensie == QLatin1String(".zip")) {
        const ProjectZip::Gelezen gelezen = ProjectZip::lees(pad);
        if (gelezen.fout != ProjectZip::Fout::Geen) {
            platform.message(ProjectZip::foutTekst(gelezen.fout, pad), kTitel);
            return {};
        }
        bestanden = gelezen.bestanden;
    } else if (extensie == QLatin1String(".ovb") || extensie == QLatin1String(".brb") ||
               extensie == QLatin1String(".dat")) {
        bestanden.naam = info.fileName().chopped(4);
        if (zelfdeMap(info.absolutePath(), map.folder()) && map.bestaat(bestanden.naam))
            return bestanden.naam;
        const auto ovb = bestandBij(info, bestanden.naam, QStringLiteral(".ovb"));
        const auto brb = bestandBij(info, bestanden.naam, QStringLiteral(".brb"));
        const auto dat = bestandBij(info, bestanden.naam, QStringLiteral(".dat"));
        if (ovb && brb && dat)
            bestanden = {bestanden.naam, *ovb, *brb, *dat};
        else
            bestanden.ovb.clear();
    }
    // The design sheet marks a project: without a readable one there is none.
    if (!ProjectMap::geldigeNaam(bestanden.naam) || !PictureFile::decode(bestanden.ovb)) {
        platform.message(geenProjectTekst(pad), kTitel);
        return {};
    }
    if (map.bestaat(bestanden.naam) &&
        !platform.ask(QStringLiteral("Project bestaat reeds, vernieuwen?"),
                      QStringLiteral(" Exist")))
        return {};
    const ProjectMap::Fout fout =
        map.schrijf(bestanden.naam, bestanden.ovb, bestanden.brb, bestanden.dat);
    if (fout != ProjectMap::Geen) {
        platform.message(fout == ProjectMap::InGebruik ? inGebruikTekst() : opslaanFoutTekst(fout));
        return {};
    }
    return bestanden.naam;
}

} // namespace ProjectImport
