// A symbol of the library: any file in a category folder can be chosen as the
// current symbol.
#include "FuzzOmgeving.h"
#include "symbols/SymboolBibliotheek.h"
#include "ui/Surface.h"

FUZZ_DOEL(bytes) {
    FuzzOmgeving::schrijf(QStringLiteral("Symbolen/Weerstanden/R.bmp"), bytes);
    SymboolBibliotheek bibliotheek;
    bibliotheek.lees(FuzzOmgeving::map() + QStringLiteral("/Symbolen/Weerstanden"));
    FUZZ_EIS(bibliotheek.namen() == QStringList{QStringLiteral("R")});
    Surface IconPic(49, 49);
    IconPic.fillBox(10, 10, 20, 20, qRgb(0, 0, 255));
    const QImage voor = IconPic.image();
    const bool geladen = bibliotheek.laad(0, IconPic);
    // The current symbol is always 49 x 49, and a file that cannot be read leaves it.
    FUZZ_EIS(IconPic.size() == QSize(49, 49));
    if (!geladen) FUZZ_EIS(IconPic.image() == voor);
}
