#include "app/vensters/Main.h"

#include "editor/Ontwerpblad.h"
#include "editor/StatusTekst.h"
#include "editor/vensters/Textform.h"
#include "editor/vensters/WerkBalkPaneel.h"
#include "symbols/Symbool.h"
#include "ui/StapNamen.h"
#include "ui/vensters/SheetView.h"

#include <QLabel>
#include <QScrollBar>
#include <QToolButton>

// Editing the sheets: the pointer on both of them (the breadboard's tool bar keeps its
// tool modes), placing symbols, rotate, mirror and shift.

void Main::verbindBewerken() {
    // Every event of the two sheets, here alone. What lands on the design sheet counts
    // as used; the breadboard's editor handles a press or a release before the
    // selection shows.
    connect(PicView, &SheetView::pressed, this, [this](Qt::MouseButton knop, int x, int y) {
        if (knop == Qt::LeftButton) symbolen_->onthoudGebruik();
        Pic_MouseDown(knop, x, y);
    });
    connect(PicView, &SheetView::released, this,
            [this](Qt::MouseButton, int x, int y) { Pic_MouseUp(x, y); });
    connect(PicView, &SheetView::moved, this, [this](Qt::MouseButtons, int x, int y) {
        // Dragged beyond the sheet there is no block to name.
        if (ontwerp_.Pic.contains(x, y)) Label8->setText(blokTekst(x, y));
        selectieWijzer(0, {x, y});
    });

    connect(Pic2View, &SheetView::pressed, this, [this](Qt::MouseButton button, int x, int y) {
        werkBalk_->drukIn(button, x, y);
        toonSelectie();
    });
    connect(Pic2View, &SheetView::moved, this, [this](Qt::MouseButtons held, int x, int y) {
        if (const auto status = werkBalk_->beweeg(held, x, y)) Label8->setText(*status);
        selectieWijzer(1, {x, y});
        toonVerbonden(x, y);
    });
    connect(Pic2View, &SheetView::released, this, [this](Qt::MouseButton button, int x, int y) {
        werkBalk_->laatLos(button, x, y);
        toonSelectie();
    });
    // A tool chosen drops the selection; the holes are marked again at the next move.
    connect(werkBalk_, &WerkBalkPaneel::gereedschapGekozen, this, [this] {
        toonSelectie();
        Pic2View->zetMarkering({});
    });

    connect(RotatieKnop, &QToolButton::clicked, this, [this] { draaiKwartslag(IconPic); });
    connect(VerKnop, &QToolButton::clicked, this, [this] { spiegelBovenOnder(IconPic); });
    connect(HorKnop, &QToolButton::clicked, this, [this] { spiegelLinksRechts(IconPic); });

    connect(Knop2[1], &QToolButton::clicked, this, [this] {
        Textform venster(IconPic, this);
        venster.exec();
    });
}

void Main::VerschuifTekening(Richting richting) {
    ontwerp_.alsStap(Ontwerp::Blad::Ontwerpblad, StapNamen::kVerschuiven, [this, richting] {
        schuifBlokken(ontwerp_.Pic, richting, RasterScroll->value());
    });
}
