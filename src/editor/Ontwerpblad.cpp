#include "editor/Ontwerpblad.h"

#include "board/Raster.h"
#include "editor/StatusTekst.h"
#include "symbols/Symbool.h"
#include "ui/Surface.h"

namespace {

const Surface &Leeg() {
    static const Surface leeg(kSymboolGrootte, kSymboolGrootte, Surface::kWhite);
    return leeg;
}

// The part of the sheet that the shifted picture no longer covers.
QRect onbedekteStrook(QSize blad, QPoint stap) {
    if (stap.x() < 0) return {blad.width() + stap.x(), 0, -stap.x(), blad.height()};
    if (stap.x() > 0) return {0, 0, stap.x(), blad.height()};
    if (stap.y() < 0) return {0, blad.height() + stap.y(), blad.width(), -stap.y()};
    return {0, 0, blad.width(), stap.y()};
}

} // namespace

QPoint blokHoek(int x, int y) {
    return {kBlok * deelOmlaag(x, kBlok) + 1, kBlok * deelOmlaag(y, kBlok) + 1};
}

void plaatsBlok(Surface &Pic, const Surface &IconPic, Qt::MouseButton button, int x, int y) {
    const Surface &bron = button == Qt::LeftButton ? IconPic : Leeg();
    Pic.copyFrom(bron, QRect(0, 0, kSymboolGrootte, kSymboolGrootte), blokHoek(x, y));
}

bool schuifBlokken(Surface &Pic, Richting richting, int rasterGrijs) {
    static const QPoint kStappen[] = {{-kBlok, 0}, {0, -kBlok}, {kBlok, 0}, {0, kBlok}};
    const int index = int(richting) - int(Richting::Links);
    if (index < 0 || index >= int(std::size(kStappen))) return false;
    const QPoint stap = kStappen[index];
    // The sheet as it was: shared with Pic until Pic is written, then Pic's own copy.
    const Surface LoadPic(Pic.image());
    // Only the uncovered strip needs clearing: the shifted picture paints over the rest.
    const QRect strook = onbedekteStrook(Pic.size(), stap).intersected(Pic.rect());
    const Surface::DrawMode modus = Pic.drawMode();
    Pic.setDrawMode(Surface::DrawMode::Copy);
    if (!strook.isEmpty())
        Pic.fillBox(strook.left(), strook.top(), strook.right(), strook.bottom(), Pic.background());
    Pic.setDrawMode(modus);
    Pic.copyFrom(LoadPic, LoadPic.rect(), stap);
    tekenRasterLijnen(Pic, rasterGrijs);
    return true;
}
