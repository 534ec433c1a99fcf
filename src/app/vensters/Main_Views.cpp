#include "app/HelpLinks.h"
#include "app/MainLayout.h"
#include "app/vensters/Main.h"
#include "editor/KnopPlaatjes.h"
#include "ui/Platform.h"
#include "ui/Twips.h"

#include <QAction>
#include <QIcon>
#include <QPixmap>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>

namespace {

void zetPlaatje(QToolButton *knop, const QImage &plaatje) {
    knop->setIconSize(plaatje.deviceIndependentSize().toSize());
    knop->setIcon(QIcon(QPixmap::fromImage(plaatje)));
}

// The current-symbol buttons are not square: their pictures fill the button, less
// a small margin for its frame.
QSize plaatjesMaat(const QToolButton *knop) {
    return knop->size() - QSize(6, 6);
}

} // namespace

// The tool buttons, the four views of the work area, the help pages and the web links.
void Main::verbindKnoppen() {
    zetKnopPlaatjes();
    for (int i = 0; i < ToolButtons::kAantal; ++i) {
        Knop[i]->setToolTip(ToolButtons::hint(i));
        connect(Knop[i], &QToolButton::clicked, this, [this, i] { Knop_Click(i); });
    }
    // The project items of "Bestand" are the first four buttons, animation included.
    for (int i = 0; i < int(menu_.ProjectItem.size()); ++i)
        connect(menu_.ProjectItem[i], &QAction::triggered, this, [this, i] { Knop_Click(i); });
    connect(menu_.HelpItem, &QAction::triggered, this, &Main::HelpItem_Click);
    connect(menu_.SymbolenLinkItem, &QAction::triggered, this,
            [this] { openHelpPagina(folder_.symbolenPagina()); });
    connect(menu_.SoftwareLinkItem, &QAction::triggered, this,
            [this] { openHelpPagina(folder_.softwarePagina()); });

    // Links in the pages are followed here, so that web and mail addresses reach
    // the desktop's own programs instead of the built-in browser.
    WebBrowser->setOpenLinks(false);
    connect(WebBrowser, &QTextBrowser::anchorClicked, this, [this](const QUrl &link) {
        const HelpLinks::Doel doel = HelpLinks::volg(WebBrowser->source(), link, folder_);
        if (doel.soort == HelpLinks::Doel::Soort::Browser) WebBrowser->setSource(doel.url);
        if (doel.soort == HelpLinks::Doel::Soort::OpenAdres) platform_.openAddress(doel.adres);
        if (doel.soort == HelpLinks::Doel::Soort::Voorbeeld) openVoorbeeld(doel.adres);
    });
    toonBesturing(knoppen_.beginToestand());
}

// Drawn at the screen's own resolution, so that a scaled desktop shows them sharp.
void Main::zetKnopPlaatjes() {
    const qreal schaal = devicePixelRatioF();
    for (int i = 0; i < ToolButtons::kAantal; ++i)
        if (ToolButtons::heeftPlaatje(i)) zetPlaatje(Knop[i], KnopPlaatjes::knop(i, schaal));
    for (int i = 0; i < int(Knop2.size()); ++i)
        zetPlaatje(Knop2[i], KnopPlaatjes::knop2(i, schaal));
    zetPlaatje(HorKnop, KnopPlaatjes::spiegelLinksRechts(plaatjesMaat(HorKnop), schaal));
    zetPlaatje(VerKnop, KnopPlaatjes::spiegelBovenOnder(plaatjesMaat(VerKnop), schaal));
    zetPlaatje(RotatieKnop, KnopPlaatjes::kwartslag(plaatjesMaat(RotatieKnop), schaal));
}

void Main::Knop_Click(int index) {
    drukKnop(index);
    const ToolButtons::Uitkomst uitkomst = knoppen_.klik(index);
    toonBesturing(uitkomst);
    switch (uitkomst.actie) {
    case ToolButtons::Actie::NieuwOntwerp:
        NieuwOntwerp();
        break;
    case ToolButtons::Actie::ProjectOpenen:
        ProjectOpenen();
        break;
    case ToolButtons::Actie::ProjectOpslaan:
        ProjectOpslaan();
        break;
    case ToolButtons::Actie::OntwerpAfdrukken:
        OntwerpAfdrukken();
        break;
    case ToolButtons::Actie::StartPagina:
        toonStartPagina();
        break;
    case ToolButtons::Actie::Verschuif:
        VerschuifTekening(uitkomst.richting);
        break;
    case ToolButtons::Actie::Geen:
        break;
    }
}

// The button sinks one step right and down for a moment. The wait keeps handling
// events, so a click elsewhere meanwhile runs before this button's own command.
void Main::drukKnop(int index) {
    const auto plaats = MainLayout::plaats(QStringLiteral("Knop"), screenTwips_, index);
    if (!plaats || index < 0 || index >= int(Knop.size())) return;
    const QPoint rust = plaats->twips.topLeft();
    const int stap = ToolButtons::kDrukTwips;
    Knop[index]->move(twipsToPixels(rust.x() + stap), twipsToPixels(rust.y() + stap));
    platform_.wait(ToolButtons::kDrukDuur);
    Knop[index]->move(twipsToPixels(rust.x()), twipsToPixels(rust.y()));
}

// Controls that another part of the window has not made (yet) are skipped.
void Main::toonBesturing(const ToolButtons::Uitkomst &uitkomst) {
    for (const ToolButtons::Zichtbaarheid &wijziging : uitkomst.zichtbaarheid)
        if (auto *besturing =
                centralWidget()->findChild<QWidget *>(ToolButtons::naam(wijziging.besturing)))
            besturing->setVisible(wijziging.zichtbaar);
    toonGeschiedenis(); // the sheet that shows may be another
}

void Main::HelpItem_Click() {
    toonBesturing(knoppen_.toonHelp());
    WebBrowser->setSource(QUrl::fromLocalFile(folder_.helpPagina()));
}

void Main::openHelpPagina(const QString &pagina) {
    platform_.openAddress(pagina);
}
