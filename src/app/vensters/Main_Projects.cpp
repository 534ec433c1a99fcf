#include "app/vensters/Main.h"

#include "app/MainLayout.h"
#include "app/StartupLists.h"
#include "editor/Afdrukken.h"
#include "editor/HerstelBewaker.h"
#include "editor/vensters/Afdrukvoorbeeld.h"
#include "editor/vensters/LoepPaneel.h"
#include "editor/vensters/WerkBalkPaneel.h"
#include "project/ProjectMap.h"
#include "project/ProjectOpslaan.h"
#include "project/vensters/OpenForm.h"
#include "ui/Platform.h"
#include "ui/Twips.h"
#include "ui/WijzerPlek.h"
#include "ui/vensters/SheetView.h"
#include "ui/vensters/Vormgeving.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QScrollBar>
#include <QTextDocument>

namespace {} // namespace

// The component list, projects, printing, new design, the magnifier and undo.
void Main::verbindProjecten() {
    QFont lijstLetter(QStringLiteral("Arial"), 12);
    lijstLetter.setBold(true);
    Text1->setFont(lijstLetter);
    Vormgeving::kleur(Text1, QColor(90, 90, 100));
    // Its inside laid out now, as a hidden box's is not yet: the list wraps at the width
    // it will show.
    QResizeEvent maat(Text1->size(), Text1->size());
    QCoreApplication::sendEvent(Text1, &maat);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Every change of the list, from a key to a whole new list, with the place it took.
    connect(Text1->document(), &QTextDocument::contentsChange, this,
            [this](int positie, int, int erbij) { Text1_Change(positie, erbij); });

    // The magnifier lies over the symbol list, with its cross-hair over it; on a low
    // screen the box is lower.
    wijzer_ = new WijzerPlek(this);
    loep_ =
        new LoepPaneel(centralWidget()->findChild<QWidget *>(QStringLiteral("Frame2")), *wijzer_);
    plaats(loep_, QStringLiteral("Loep"));
    loep_->richIn(twipsToPixels(MainLayout::krimp(screenTwips_)) / 2);
    loep_->zetVergroting(werkBalk_->vergroting());
    connect(werkBalk_, &WerkBalkPaneel::vergrotingGekozen, loep_, &LoepPaneel::zetVergroting);
    connect(werkBalk_, &WerkBalkPaneel::loepGevraagd, this, &Main::LoepKnop_Click);
    connect(menu_.AfdrukvoorbeeldItem, &QAction::triggered, this, &Main::AfdrukvoorbeeldItem_Click);
    connect(&ontwerp_, &Ontwerp::naamVeranderd, this, &Main::toonNaam);
    Text1_Change(0, Text1->document()->characterCount());
}

void Main::Text1_Change(int positie, int erbij) {
    // The list wraps at the width its box shows, inside the document's margins.
    const qreal breedte = Text1->viewport()->width() - 2 * Text1->document()->documentMargin();
    Label8->setText(
        ComponentList::regelTekst(ontwerp_.telRegels(Text1->font(), breedte, positie, erbij)));
}

void Main::NieuwOntwerp() {
    if (!platform_.ask(Ontwerp::kNieuwVraag, Ontwerp::kNieuwTitel)) return;
    ontwerp_.nieuw(RasterScroll->value(), StartupLists::beginLijst());
    Text1->setReadOnly(false);
    herstel_->bewaard();
}

void Main::ProjectOpslaan() {
    const Ontwerp::Kopie kopie = ontwerp_.kopie();
    QString naam;
    if (::ProjectOpslaan(platform_, ProjectMap(folder_.projecten()), kopie.naam, kopie.inhoud(),
                         &naam)) {
        herstel_->bewaard();
        onthoudProject(naam);
    }
}

void Main::ProjectOpenen() {
    OpenForm form(
        ProjectMap(folder_.projecten()), platform_,
        [this](const QString &naam) { openProject(naam); }, this);
    form.exec();
}

void Main::openProject(const QString &naam) {
    const ProjectMap::Geladen geladen = ProjectMap(folder_.projecten()).laad(naam);
    if (geladen.inGebruik) {
        platform_.message(inGebruikTekst());
        return;
    }
    toonGeladen(geladen, naam);
    herstel_->bewaard();
    onthoudProject(naam);
}

void Main::toonGeladen(const ProjectMap::Geladen &geladen, const QString &naam) {
    ontwerp_.laad(geladen, naam);
    // The raster passes through (0, 0): its grey is the grey the design was saved with.
    ZetRaster(qRed(ontwerp_.Pic.pixel(0, 0)));
    Text1->setReadOnly(ontwerp_.lijstTeGroot());
    if (ontwerp_.lijstTeGroot()) platform_.message(Ontwerp::kTeGroot);
}

void Main::toonNaam(const QString &naam) {
    menu_.NaamOntwerp->setTitle(Vormgeving::alsMenuTekst(naam));
}

void Main::OntwerpAfdrukken() {
    const Ontwerp::Kopie kopie = ontwerp_.kopie();
    Afdrukken::OntwerpAfdrukken(platform_, kopie.naam, kopie.Pic.image(), kopie.Pic2.image(),
                                kopie.regels(), Afdrukinstelling::lees(folder_));
}

// The pages of the breadboard print while the breadboard is shown, else the design's.
void Main::AfdrukvoorbeeldItem_Click() {
    const Ontwerp::Kopie kopie = ontwerp_.kopie();
    const QStringList regels = kopie.regels();
    const bool breadboard = knoppen_.weergave() == ToolButtons::Weergave::Breadboard;
    Afdrukvoorbeeld::toon(
        platform_, folder_,
        [&](QPagedPaintDevice &papier, const Afdrukinstelling &instelling) {
            return breadboard ? Afdrukken::drukBreadboard(papier, kopie.Pic2.image(), instelling)
                              : Afdrukken::drukOntwerp(papier, kopie.naam, kopie.Pic.image(),
                                                       kopie.Pic2.image(), regels, instelling);
        },
        breadboard, this);
}

void Main::LoepKnop_Click() {
    const bool loepAan = symbolen_->lijstZichtbaar();
    symbolen_->zetLijstZichtbaar(!loepAan);
    loep_->zetAan(loepAan);
}
