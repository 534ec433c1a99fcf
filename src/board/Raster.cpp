#include "board/Raster.h"

#include "ui/Surface.h"

void tekenRasterLijnen(Surface &Pic, int level) {
    const QRgb colour = grey(level);
    for (int x = 0; x <= Pic.width(); x += kBlok)
        Pic.drawLine(x, 0, x, Pic.height(), colour);
    for (int y = 0; y <= Pic.height(); y += kBlok)
        Pic.drawLine(0, y, Pic.width(), y, colour);
}

QString rasterKleurTekst(int level) {
    return QStringLiteral("Rasterkleur : %1").arg(level);
}
