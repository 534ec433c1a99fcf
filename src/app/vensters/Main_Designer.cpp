#include "app/vensters/Main.h"

#include "symbols/vensters/IconDesign.h"
#include "ui/vensters/PassendeTekst.h"

#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QToolButton>

// The symbol designer: a fresh, modal window on every opening; its Transfer button
// replaces the current symbol IconPic.
void Main::verbindDesigner() {
    connect(Knop2[2], &QToolButton::clicked, this, [this] {
        // Its file dialogs start where the user works: the category the panel shows,
        // else the library itself, wherever the program was started from.
        const QString map = bibliotheek_.map().isEmpty() ? folder_.symbolen() : bibliotheek_.map();
        IconDesign designer(platform_, IconPic, map, this);
        connect(&designer, &IconDesign::bewaard, this, &Main::symboolBewaard);
        designer.exec();
    });
}

// A symbol saved into the category the panel shows joins its list at once.
void Main::symboolBewaard(const QString &pad) {
    const std::optional<int> rij = bibliotheek_.voegToe(pad);
    // Results shown: the category's list gets it when it is shown again.
    if (!rij || trefferLijst()) return;
    const QSignalBlocker stil(List1);
    List1->insertItem(*rij, bibliotheek_.namen().at(*rij));
    PassendeTekst::zet(Label1, bibliotheek_.telRegel());
}
