#include "app/vensters/Main.h"

#include "board/BoardSize.h"
#include "editor/BreadboardEditor.h"
#include "ui/Geschiedenis.h"

#include <QAction>
#include <QPushButton>

// Undo and redo without a fixed depth on both sheets. Each sheet keeps its own history;
// Undo and Redo act on the design sheet while it shows, otherwise on the breadboard. A
// text box with the focus keeps Ctrl+Z and Ctrl+Y for itself: it takes its own keys
// before the menu's.

void Main::verbindGeschiedenis() {
    picGeschiedenis_ = std::make_unique<Geschiedenis>(std::vector<Surface *>{&design_.Pic});
    // The pristine board goes with the breadboard: the eraser must restore the board
    // that an undone size switch brings back.
    pic2Geschiedenis_ =
        std::make_unique<Geschiedenis>(std::vector<Surface *>{&design_.Pic2, &design_.GumPic});
    pic2Geschiedenis_->wis(BBgroot_);
    bewerker_->zetGeschiedenis(pic2Geschiedenis_.get());
    connect(RedoItem, &QAction::triggered, this, &Main::Redo);
}

Geschiedenis &Main::actieveGeschiedenis() {
    return knoppen_.weergave() == ToolButtons::Weergave::Ontwerpblad ? *picGeschiedenis_
                                                                     : *pic2Geschiedenis_;
}

void Main::Undo() {
    Geschiedenis &geschiedenis = actieveGeschiedenis();
    if (geschiedenis.undo() && &geschiedenis == pic2Geschiedenis_.get()) naBordStap();
}

void Main::Redo() {
    Geschiedenis &geschiedenis = actieveGeschiedenis();
    if (geschiedenis.redo() && &geschiedenis == pic2Geschiedenis_.get()) naBordStap();
}

void Main::naBordStap() {
    BBgroot_ = pic2Geschiedenis_->toestand() != 0;
    BBgrootKnop->setToolTip(bbGrootHint(BBgroot_));
}

void Main::wisGeschiedenis() {
    picGeschiedenis_->wis();
    pic2Geschiedenis_->wis(BBgroot_);
}

// A command in the middle of a drag (a key while the button is held) joins that drag's
// step instead of starting one of its own.
void Main::alsStap(Geschiedenis &geschiedenis, const std::function<void()> &bewerking) {
    const bool eigen = !geschiedenis.bezig();
    if (eigen) geschiedenis.begin();
    bewerking();
    if (eigen) geschiedenis.eind();
}
