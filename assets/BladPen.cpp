#include "BladPen.h"

#include "Onderdelen.h"
#include "Symbolen.h"
#include "SymboolPen.h"
#include "board/BoardGeometry.h"
#include "board/ColourTable.h"
#include "board/Raster.h"

namespace BladPen {

Surface symbool(const QString &naam) {
    SymboolPen pen;
    for (const Symbool &s : Symbolen::alle())
        if (s.naam == naam) s.teken(pen);
    return pen.beeld();
}

Surface gedraaid(const Surface &blok) {
    Surface uit(blok.width(), blok.height());
    for (int y = 0; y < blok.height(); ++y)
        for (int x = 0; x < blok.width(); ++x)
            uit.setPixel(x, y, blok.pixel(y, blok.width() - 1 - x));
    return uit;
}

Surface tekstBlok(const QString &tekst) {
    Surface blok(49, 49);
    Surface::TextStyle stijl;
    stijl.pointSize = 9.75;
    stijl.bold = true;
    blok.drawText(25 - Surface::textSize(tekst, stijl).width() / 2, 16, tekst, stijl);
    return blok;
}

void plaats(Surface &blad, int kolom, int rij, const Surface &blok) {
    blad.copyFrom(blok, blok.rect(), QPoint(kBlok * kolom + 1, kBlok * rij + 1));
}

QPoint contact(int k, int m) {
    return {kContactX0 + kHolePitch * k, kContactY0 + kHolePitch * m};
}

void stempel(Surface &bord, const QString &naam, int k, int m) {
    for (const Onderdeel &onderdeel : Onderdelen::alle()) {
        if (onderdeel.naam != naam) continue;
        const QPoint hoek = contact(k, m) - onderdeel.pootjes.first();
        for (int y = 0; y < onderdeel.beeld.height(); ++y)
            for (int x = 0; x < onderdeel.beeld.width(); ++x) {
                const QRgb kleur = onderdeel.beeld.pixel(x, y);
                if (qAlpha(kleur) != 0) bord.setPixel(hoek.x() + x, hoek.y() + y, kleur);
            }
    }
}

void draad(Surface &bord, QPoint van, QPoint tot, const QString &kleur) {
    bord.setLineWidth(3);
    bord.drawLine(van.x(), van.y(), tot.x(), tot.y(), KleurVanNaam(kleur));
    bord.setLineWidth(1);
}

void tekst(Surface &bord, int x, int y, const QString &tekst, const QString &kleur, int grootte) {
    Surface::TextStyle stijl;
    stijl.pointSize = grootte;
    stijl.bold = true;
    stijl.colour = KleurVanNaam(kleur);
    bord.drawText(x, y, tekst, stijl);
}

} // namespace BladPen
