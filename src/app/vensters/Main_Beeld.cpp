#include "app/vensters/Main.h"

#include "app/Vastklikken.h"
#include "board/Gaten.h"
#include "editor/vensters/WerkBalkPaneel.h"
#include "ui/vensters/SheetView.h"

#include <QAction>

// Seeing and placing precisely: each sheet zooms and pans on its own (for the run, not in
// a project), the ends of wires snap to the board's holes, and the board marks the holes
// it joins to the one under the pointer. Nothing of it reaches a sheet's pixels.

void Main::verbindBeeld() {
    for (SheetView *blad : {PicView, Pic2View})
        blad->zetZoombaar(true);
    connect(menu_.InzoomItem, &QAction::triggered, this, [this] {
        if (SheetView *blad = getoondBlad()) blad->zoomStap(1);
    });
    connect(menu_.UitzoomItem, &QAction::triggered, this, [this] {
        if (SheetView *blad = getoondBlad()) blad->zoomStap(-1);
    });
    connect(menu_.WareGrootteItem, &QAction::triggered, this, [this] {
        if (SheetView *blad = getoondBlad()) blad->zetZoom(1);
    });

    menu_.VastklikItem->setChecked(Vastklikken::lees(folder_.vastklikken()));
    werkBalk_->zetVastklikken(menu_.VastklikItem->isChecked());
    connect(menu_.VastklikItem, &QAction::toggled, this, [this](bool aan) {
        werkBalk_->zetVastklikken(aan);
        Vastklikken::schrijf(folder_.vastklikken(), aan); // unwritten, it holds for the run
    });

    // The holes are marked as the pointer moves over the sheet (Main_Editing.cpp).
    connect(Pic2View, &SheetView::verlaten, this, [this] { Pic2View->zetMarkering({}); });
    Pic2View->zetTip([this](QPoint p) -> SheetView::Tip {
        const Gaten &gaten = Gaten::voor(ontwerp_.groot());
        const std::optional<Gaten::Gat> gat = helptBijGaten() ? gaten.onder(p) : std::nullopt;
        if (!gat) return {};
        return {gat->naam() + QStringLiteral(", ") + gaten.verbindingTekst(*gat), gat->vierkant()};
    });
}

SheetView *Main::getoondBlad() {
    if (PicView->isVisible()) return PicView;
    return Pic2View->isVisible() ? Pic2View : nullptr;
}

bool Main::helptBijGaten() const {
    const int modus = werkBalk_->bewerker().Modus();
    return modus == BreadboardEditor::kComponenten || modus == BreadboardEditor::kDraadverbinding;
}

// Snapping on, a wire's end goes to the nearest hole: that hole's strip is the one marked.
void Main::toonVerbonden(int x, int y) {
    const Gaten &gaten = Gaten::voor(ontwerp_.groot());
    std::optional<Gaten::Gat> gat;
    if (helptBijGaten()) {
        gat = gaten.onder({x, y});
        if (!gat && menu_.VastklikItem->isChecked() &&
            werkBalk_->bewerker().Modus() == BreadboardEditor::kDraadverbinding)
            gat = gaten.dichtstbij({x, y});
    }
    QVector<QRect> vakken;
    if (gat)
        for (const Gaten::Gat &samen : gaten.verbonden(*gat))
            vakken.append(samen.vierkant());
    Pic2View->zetMarkering(vakken);
}
