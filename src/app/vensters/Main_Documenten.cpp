#include "app/vensters/Main.h"

#include "app/StartBestand.h"
#include "editor/HerstelBewaker.h"
#include "project/ProjectImport.h"
#include "project/ProjectOpslaan.h"
#include "project/RecenteProjecten.h"
#include "ui/Platform.h"
#include "ui/vensters/Vormgeving.h"

#include <QAction>
#include <QMenu>

// A project as a desktop document: the path the program is started with, and the
// projects last opened or saved as numbered items of the menu "Bestand", and the
// example projects under "Voorbeelden".

namespace {

RecenteProjecten recente(const AppFolder &folder) {
    return RecenteProjecten(folder.recenteProjecten());
}

} // namespace

void Main::verbindDocumenten() {
    // Made afresh each time the menu opens: a project deleted meanwhile is left out.
    connect(menu_.BestandMenu, &QMenu::aboutToShow, this, &Main::toonRecenteProjecten);
    connect(menu_.VoorbeeldenMenu, &QMenu::aboutToShow, this, &Main::toonVoorbeeldProjecten);
}

void Main::openBestand(const QString &pad) {
    const QString naam = ProjectImport::importeer(platform_, ProjectMap(folder_.projecten()), pad);
    if (!naam.isEmpty()) openProject(naam);
}

void Main::openBestanden(const QStringList &paden) {
    if (paden.isEmpty()) return;
    openBestand(paden.first());
    if (paden.size() > 1) platform_.message(StartBestand::eenTegelijkTekst(paden.first()));
}

void Main::onthoudProject(const QString &naam) {
    recente(folder_).voegToe(naam); // a list that cannot be written only loses its news
}

void Main::toonRecenteProjecten() {
    qDeleteAll(recenteItems_);
    recenteItems_.clear();
    const QStringList namen = recente(folder_).bestaande(ProjectMap(folder_.projecten()));
    if (namen.isEmpty()) return;
    for (int i = 0; i < namen.size(); ++i) {
        // "&1 Naam": the digit is the item's key; an "&" of the name shows as it is.
        const QString tekst =
            QStringLiteral("&%1 %2").arg(i + 1).arg(Vormgeving::alsMenuTekst(namen[i]));
        auto *item = new QAction(tekst, menu_.BestandMenu);
        const QString &naam = namen[i];
        connect(item, &QAction::triggered, this, [this, naam] { openProject(naam); });
        menu_.BestandMenu->insertAction(menu_.ExitItem, item);
        recenteItems_ << item;
    }
    recenteItems_ << menu_.BestandMenu->insertSeparator(menu_.ExitItem);
}

void Main::toonVoorbeeldProjecten() {
    menu_.VoorbeeldenMenu->clear();
    for (const QString &naam : ProjectMap(folder_.voorbeelden()).namen())
        menu_.VoorbeeldenMenu->addAction(Vormgeving::alsMenuTekst(naam), this,
                                         [this, naam] { openVoorbeeld(naam); });
}

// An example opens as an untitled copy: a save asks for a name and goes to the projects,
// so the example itself never changes, and it is no recent project.
void Main::openVoorbeeld(const QString &naam) {
    const ProjectMap voorbeelden(folder_.voorbeelden());
    if (!voorbeelden.namen().contains(naam)) return; // a help page's link to none
    const ProjectMap::Geladen geladen = voorbeelden.laad(naam);
    if (geladen.inGebruik) {
        platform_.message(inGebruikTekst());
        return;
    }
    toonGeladen(geladen, QStringLiteral("*.*"));
    herstel_->bewaard();
}
