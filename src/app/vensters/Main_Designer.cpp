#include "app/vensters/Main.h"

#include "symbols/vensters/IconDesign.h"

#include <QToolButton>

// The symbol designer: a fresh, modal window on every opening; its Transfer button
// replaces the current symbol IconPic.
void Main::verbindDesigner() {
    connect(Knop2[2], &QToolButton::clicked, this, [this] {
        // Its file dialogs start where the user works: the category the panel shows,
        // else the library itself, wherever the program was started from.
        IconDesign designer(platform_, IconPic, symbolen_->huidigeMap(), this);
        connect(&designer, &IconDesign::bewaard, symbolen_, &SymboolPaneel::symboolBewaard);
        designer.exec();
    });
}
