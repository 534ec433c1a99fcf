#include "app/Main.h"

#include "symbols/IconDesign.h"

#include <QToolButton>

// The symbol designer: a fresh, modal window on every opening; its Transfer button
// replaces the current symbol IconPic.
void Main::verbindDesigner() {
    connect(Knop2[2], &QToolButton::clicked, this, [this] {
        IconDesign designer(platform_, design_.IconPic, this);
        designer.exec();
    });
}
