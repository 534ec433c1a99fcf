// A breadboard part picture: the GIF files of "\Breadboard\" become stamps.
#include "FuzzOmgeving.h"
#include "editor/BreadboardTekenen.h"
#include "ui/Surface.h"

FUZZ_DOEL(bytes) {
    FuzzOmgeving::schrijf(QStringLiteral("Breadboard/Deel.gif"), bytes);
    const std::optional<QImage> plaatje = laadOnderdeelPlaatje(
        FuzzOmgeving::map() + QStringLiteral("/Breadboard"), QStringLiteral("deel"));
    if (!plaatje) return;
    FUZZ_EIS(!plaatje->isNull() && plaatje->width() <= kMaxOnderdeelZijde &&
             plaatje->height() <= kMaxOnderdeelZijde);
    // Stamped onto a sheet, partly outside it: only the sheet's own pixels change.
    Surface BBPic(*plaatje), Pic2(40, 30, grey(128));
    stempel(Pic2, BBPic, QPoint(-3, 5));
    FUZZ_EIS(Pic2.size() == QSize(40, 30));
    FUZZ_EIS(onderdeelVoorbeeld(BBPic).size() == plaatje->size());
}
