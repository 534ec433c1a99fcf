#include "project/ProjectOpslaan.h"

#include "project/DatTekst.h"
#include "project/ProjectMap.h"
#include "ui/Platform.h"

QString opslaanFoutTekst(int nummer) {
    return QStringLiteral("Fout bij het opslaan van het project!\r\n(foutnummer: %1)").arg(nummer);
}

QString opslaanFoutTekst(ProjectMap::Fout fout) {
    if (fout == ProjectMap::InGebruik) return inGebruikTekst();
    if (fout != ProjectMap::TeLangeNaam) return opslaanFoutTekst(int(fout));
    return QStringLiteral("Fout bij het opslaan van het project!\r\n"
                          "De naam is te lang voor een bestandsnaam: kies een kortere naam "
                          "(hoogstens %1 tekens; een letter met een accent telt voor twee).")
        .arg(ProjectMap::kLangsteNaam);
}

QString inGebruikTekst() {
    return QStringLiteral("Een ander programma slaat dit project op dit moment op.\r\n"
                          "Probeer het zo nog eens.");
}

bool ProjectOpslaan(Platform &platform, const ProjectMap &map, const QString &voorstel,
                    const Surface &Pic, const Surface &Pic2, const QString &lijst) {
    return ProjectOpslaan(platform, map, voorstel, {Pic, Pic2, DatTekst::codeer(lijst)});
}

bool ProjectOpslaan(Platform &platform, const ProjectMap &map, const QString &voorstel,
                    const ProjectMap::Inhoud &inhoud, QString *opgeslagen) {
    const QString naam = platform.inputBox(QStringLiteral("Geef een naam voor dit project..."),
                                           QStringLiteral(" Project opslaan"), voorstel);
    if (naam.isEmpty()) return false;
    if (!ProjectMap::geldigeNaam(naam)) {
        platform.message(opslaanFoutTekst(ProjectMap::OngeldigeNaam));
        return false;
    }
    if (map.bestaat(naam) && !platform.ask(QStringLiteral("Project bestaat reeds, vernieuwen?"),
                                           QStringLiteral(" Exist")))
        return false;
    const ProjectMap::Fout fout = map.schrijf(naam, inhoud);
    if (fout != ProjectMap::Geen) {
        platform.message(opslaanFoutTekst(fout));
        return false;
    }
    if (opgeslagen) *opgeslagen = naam;
    return true;
}
