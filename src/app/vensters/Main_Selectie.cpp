#include "app/vensters/Main.h"

#include "editor/KlembordBeeld.h"
#include "editor/Ontwerpblad.h"
#include "editor/vensters/WerkBalkPaneel.h"
#include "ui/Platform.h"
#include "ui/StapNamen.h"
#include "ui/vensters/SheetView.h"
#include "ui/vensters/Wijzer.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

// Selecting a part of a sheet to move, cut, copy, paste or delete: whole raster cells on
// the design sheet (Shift and a drag), drawn pixels on the breadboard (a drag in the
// neutral mode). Each change is one step of the sheet's history. A text box with the
// focus keeps these keys for itself.

void Main::verbindSelectie() {
    picSelectie_ = std::make_unique<Selectie>(ontwerp_.Pic);
    // Copying with nothing selected copies the whole sheet, as it always has.
    connect(menu_.KopieerItem, &QAction::triggered, this, &Main::kopieerOfHeelBlad);
    connect(menu_.KnipItem, &QAction::triggered, this, &Main::KnipItem_Click);
    connect(menu_.PlakItem, &QAction::triggered, this, &Main::PlakItem_Click);
    connect(menu_.VerwijderItem, &QAction::triggered, this, &Main::VerwijderItem_Click);
}

// The pointer moved over a sheet: a paste lands there, a selection follows it.
void Main::selectieWijzer(int blad, QPoint plek) {
    laatstePlek_[blad] = plek;
    if (blad == 0) picSelectie_->sleep(plek);
    toonSelectie();
}

// A press places or clears a block, or picks up the selection to move it; the step
// lasts until the release.
void Main::Pic_MouseDown(Qt::MouseButton button, int x, int y) {
    Geschiedenis &geschiedenis = ontwerp_.geschiedenis(Ontwerp::Blad::Ontwerpblad);
    if (!geschiedenis.bezig()) geschiedenis.begin();
    const bool kiezen = PicView->toetsen().testFlag(Qt::ShiftModifier);
    if (picSelectie_->druk(button, {x, y}, kiezen)) {
        geschiedenis.noem(StapNamen::kVerplaatsen);
    } else {
        plaatsBlok(ontwerp_.Pic, IconPic, button, x, y);
        geschiedenis.noem(button == Qt::LeftButton ? StapNamen::kBlokPlaatsen
                                                   : StapNamen::kBlokWissen);
    }
    toonSelectie();
}

void Main::Pic_MouseUp(int x, int y) {
    if (picSelectie_->bezig()) picSelectie_->los({x, y});
    ontwerp_.geschiedenis(Ontwerp::Blad::Ontwerpblad).eind();
    toonSelectie();
}

Selectie *Main::actieveSelectie() {
    switch (knoppen_.weergave()) {
    case ToolButtons::Weergave::Ontwerpblad:
        return picSelectie_.get();
    case ToolButtons::Weergave::Breadboard:
        return &werkBalk_->bewerker().selectie();
    default:
        return nullptr;
    }
}

SheetView *Main::actiefBlad() {
    return actieveSelectie() == picSelectie_.get() ? PicView : Pic2View;
}

void Main::kopieerOfHeelBlad() {
    Selectie *selectie = actieveSelectie();
    if (!selectie || !selectie->actief()) return KopieerItem_Click();
    QGuiApplication::clipboard()->setImage(selectie->kopie());
}

void Main::KnipItem_Click() {
    Selectie *selectie = actieveSelectie();
    if (!selectie || !selectie->actief()) return;
    QGuiApplication::clipboard()->setImage(selectie->kopie());
    wisSelectie(StapNamen::kKnippen);
}

void Main::VerwijderItem_Click() {
    wisSelectie(StapNamen::kVerwijderen);
}

void Main::wisSelectie(const QString &stap) {
    Selectie *selectie = actieveSelectie();
    if (!selectie || !selectie->actief() || selectie->bezig()) return;
    ontwerp_.alsStap(actiefBladNaam(), stap, [selectie] { selectie->wis(); });
    selectie->laatVallen();
    toonSelectie();
}

// At the pointer when it is over the sheet, else where it last was over it.
void Main::PlakItem_Click() {
    Selectie *selectie = actieveSelectie();
    if (!selectie || selectie->bezig()) return;
    const KlembordBeeld klembord = KlembordBeeld::lees(QGuiApplication::clipboard()->mimeData());
    if (!klembord.fout.isEmpty()) {
        platform_.message(klembord.fout);
        return;
    }
    SheetView *blad = actiefBlad();
    const int index = blad == PicView ? 0 : 1;
    const QPoint muis = Wijzer::in(*wijzer_, blad);
    if (blad->beeldVak().contains(muis)) laatstePlek_[index] = blad->naarBlad(muis);
    ontwerp_.alsStap(actiefBladNaam(), StapNamen::kPlakken,
                     [&] { selectie->plak(klembord.beeld, laatstePlek_[index]); });
    // Outside the neutral mode a press draws: the pasted drawing is not held as a selection.
    if (index == 1 && !werkBalk_->bewerker().neutraal()) selectie->laatVallen();
    toonSelectie();
}

// Escape (taken with the other keys of the sheets) drops the selections.
void Main::laatSelectiesVallen() {
    picSelectie_->laatVallen();
    werkBalk_->bewerker().selectie().laatVallen();
    toonSelectie();
}

void Main::toonSelectie() {
    PicView->zetRand(picSelectie_->rand());
    Pic2View->zetRand(werkBalk_->bewerker().selectie().rand());
}
