#include "app/vensters/Main.h"

#include "tools/vensters/Bits.h"
#include "tools/vensters/DisplayVenster.h"
#include "tools/vensters/Kleurcode.h"
#include "tools/vensters/LedCalc.h"

#include <QAction>
#include <QToolButton>

// The four electronics tools. Each opens modally and starts afresh every time.
void Main::verbindZijGereedschappen() {
    // The resistor button shows the banded resistor the tool opens with, unless
    // the main window has given it a picture of its own.
    connect(Knop2[0], &QToolButton::clicked, this, [this] {
        Kleurcode venster(IconPic, this);
        venster.exec();
    });
    connect(menu_.BitsItem, &QAction::triggered, this, [this] {
        Bits venster(this);
        venster.exec();
    });
    connect(menu_.LedCalcItem, &QAction::triggered, this, [this] {
        LedCalc venster(this);
        venster.exec();
    });
    connect(menu_.DisplayItem, &QAction::triggered, this, [this] {
        DisplayVenster venster(platform_, this);
        venster.exec();
    });
}
