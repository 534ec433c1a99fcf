#include "app/vensters/Main.h"

#include "app/Vastklikken.h"
#include "board/Gaten.h"
#include "editor/BreadboardEditor.h"
#include "ui/vensters/SheetView.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>

// Seeing and placing precisely: each sheet zooms and pans on its own (for the run, not in
// a project), the ends of wires snap to the board's holes, and the board marks the holes
// it joins to the one under the pointer. Nothing of it reaches a sheet's pixels.

void Main::verbindBeeld() {
    for (SheetView *blad : {PicView, Pic2View})
        blad->zetZoombaar(true);
    // The breadboard's tool bar lies over the top of its sheet.
    Pic2View->zetBedekt(std::max(0, WerkBalk->geometry().bottom() + 1 - Pic2View->y()));
    connect(menu_.InzoomItem, &QAction::triggered, this, [this] {
        if (SheetView *blad = getoondBlad()) blad->zoomStap(1);
    });
    connect(menu_.UitzoomItem, &QAction::triggered, this, [this] {
        if (SheetView *blad = getoondBlad()) blad->zoomStap(-1);
    });
    connect(menu_.WareGrootteItem, &QAction::triggered, this, [this] {
        if (SheetView *blad = getoondBlad()) blad->zetZoom(1);
    });
    // The previews float over the view where the picture's pixels are.
    connect(Pic2View, &SheetView::zoomVeranderd, this, [this] {
        zetBBlayerBeeld();
        zetTekstLabel();
    });
    connect(Pic2View, &SheetView::beeldVerschoven, this, &Main::toonVoorbeelden);

    menu_.VastklikItem->setChecked(Vastklikken::lees(folder_.vastklikken()));
    zetVastklikken(menu_.VastklikItem->isChecked());
    connect(menu_.VastklikItem, &QAction::toggled, this, [this](bool aan) {
        zetVastklikken(aan);
        Vastklikken::schrijf(folder_.vastklikken(), aan); // unwritten, it holds for the run
    });
    connect(&ontwerp_, &Ontwerp::bordVeranderd, this,
            [this] { zetVastklikken(menu_.VastklikItem->isChecked()); });

    connect(Pic2View, &SheetView::moved, this,
            [this](Qt::MouseButtons, int x, int y) { toonVerbonden(x, y); });
    connect(Pic2View, &SheetView::verlaten, this, [this] { Pic2View->zetMarkering({}); });
    connect(Combo3, qOverload<int>(&QComboBox::activated), this,
            [this] { Pic2View->zetMarkering({}); });
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

void Main::zetVastklikken(bool aan) {
    bewerker_->zetGaten(aan ? &Gaten::voor(ontwerp_.groot()) : nullptr);
}

bool Main::helptBijGaten() const {
    const int modus = bewerker_->Modus();
    return modus == BreadboardEditor::kComponenten || modus == BreadboardEditor::kDraadverbinding;
}

// Snapping on, a wire's end goes to the nearest hole: that hole's strip is the one marked.
void Main::toonVerbonden(int x, int y) {
    const Gaten &gaten = Gaten::voor(ontwerp_.groot());
    std::optional<Gaten::Gat> gat;
    if (helptBijGaten()) {
        gat = gaten.onder({x, y});
        if (!gat && menu_.VastklikItem->isChecked() &&
            bewerker_->Modus() == BreadboardEditor::kDraadverbinding)
            gat = gaten.dichtstbij({x, y});
    }
    QVector<QRect> vakken;
    if (gat)
        for (const Gaten::Gat &samen : gaten.verbonden(*gat))
            vakken.append(samen.vierkant());
    Pic2View->zetMarkering(vakken);
}
