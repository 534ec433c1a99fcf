#include "VoorbeeldProject.h"

#include "Onderdelen.h"
#include "Symbolen.h"
#include "SymboolPen.h"
#include "board/BoardDrawing.h"
#include "board/BoardGeometry.h"
#include "board/ColourTable.h"
#include "board/Raster.h"

#include <QDir>
#include <QFile>
#include <QHash>

namespace VoorbeeldProject {

namespace {

Surface symbool(const QString &naam) {
    SymboolPen pen;
    for (const Symbool &s : Symbolen::alle())
        if (s.naam == naam) s.teken(pen);
    return pen.beeld();
}

// A quarter turn clockwise, as the program's turn button does it.
Surface gedraaid(const Surface &blok) {
    Surface uit(blok.width(), blok.height());
    for (int y = 0; y < blok.height(); ++y)
        for (int x = 0; x < blok.width(); ++x)
            uit.setPixel(x, y, blok.pixel(y, blok.width() - 1 - x));
    return uit;
}

// A text block as the text dialog makes one: bold, centred on column 25.
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

// Stamps a part picture so that its first leg lands on contact point (k, m), as the
// program stamps it: everything but the transparent pixels is copied.
void stempel(Surface &bord, const QString &naam, int k, int m) {
    for (const Onderdeel &onderdeel : Onderdelen::alle()) {
        if (onderdeel.naam != naam) continue;
        const QPoint hoek = QPoint(kContactX0 + kHolePitch * k, kContactY0 + kHolePitch * m) -
                            onderdeel.pootjes.first();
        for (int y = 0; y < onderdeel.beeld.height(); ++y)
            for (int x = 0; x < onderdeel.beeld.width(); ++x) {
                const QRgb kleur = onderdeel.beeld.pixel(x, y);
                if (qAlpha(kleur) != 0) bord.setPixel(hoek.x() + x, hoek.y() + y, kleur);
            }
    }
}

QPoint contact(int k, int m) {
    return {kContactX0 + kHolePitch * k, kContactY0 + kHolePitch * m};
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

} // namespace

QVector<Plaatsing> onderdelenOpBord() {
    return {
        {QStringLiteral("Drukknop"), 3, 6},
        {QStringLiteral("Weerstand 470 Ohm"), 5, 10},
        {QStringLiteral("LED rood"), 9, 12},
    };
}

Surface ontwerpblad(int rasterGrijs) {
    Surface blad(kOntwerpblad.width(), kOntwerpblad.height());
    tekenRasterLijnen(blad, rasterGrijs);
    // The loop: battery, push button, resistor and LED, joined by wire pieces.
    plaats(blad, 1, 1, symbool(QStringLiteral("Hoek rechts-onder")));
    plaats(blad, 2, 1, symbool(QStringLiteral("Drukknop")));
    plaats(blad, 3, 1, symbool(QStringLiteral("Weerstand")));
    plaats(blad, 4, 1, symbool(QStringLiteral("Hoek links-onder")));
    plaats(blad, 1, 2, gedraaid(symbool(QStringLiteral("Batterij"))));
    plaats(blad, 4, 2, gedraaid(symbool(QStringLiteral("LED rood"))));
    plaats(blad, 1, 3, symbool(QStringLiteral("Hoek rechts-boven")));
    plaats(blad, 2, 3, symbool(QStringLiteral("Draad horizontaal")));
    plaats(blad, 3, 3, symbool(QStringLiteral("Draad horizontaal")));
    plaats(blad, 4, 3, symbool(QStringLiteral("Hoek links-boven")));
    plaats(blad, 0, 2, tekstBlok(QStringLiteral("B 1")));
    plaats(blad, 2, 0, tekstBlok(QStringLiteral("S 1")));
    plaats(blad, 3, 0, tekstBlok(QStringLiteral("R 1")));
    plaats(blad, 5, 2, tekstBlok(QStringLiteral("D 1")));
    return blad;
}

Surface breadboard() {
    Surface bord(kBreadboard.width(), kBreadboard.height());
    TekenKleinBord(bord);
    // Plus on rail X, minus on rail Y; the button across the channel, the resistor
    // from the button's lower column to column 10, the LED from there to column 11.
    for (const Plaatsing &plaatsing : onderdelenOpBord())
        stempel(bord, plaatsing.onderdeel, plaatsing.k, plaatsing.m);
    draad(bord, {60, 146}, contact(0, 0), QStringLiteral("Rood"));
    draad(bord, {60, 446}, contact(0, 15), QStringLiteral("Zwart"));
    draad(bord, contact(3, 0), contact(3, 2), QStringLiteral("Rood"));
    draad(bord, contact(10, 13), contact(10, 15), QStringLiteral("Zwart"));
    tekst(bord, 20, 128, QStringLiteral("+9 V"), QStringLiteral("Rood"), 10);
    tekst(bord, 20, 428, QStringLiteral("0 V"), QStringLiteral("Zwart"), 10);
    tekst(bord, 110, 30, QStringLiteral("Voorbeeld: LED met drukknop"), QStringLiteral("Blauw"),
          14);
    return bord;
}

QString componentenlijst() {
    const QStringList regels = {
        QStringLiteral("Componentenlijst"),
        QString(28, QLatin1Char('-')),
        QStringLiteral("B 1   Batterij 9 V met clip"),
        QStringLiteral("S 1   Drukknop"),
        QStringLiteral("R 1   Weerstand 470 Ohm (geel, violet, bruin, goud)"),
        QStringLiteral("D 1   LED rood, 5 mm"),
        QString(),
        QStringLiteral("Stroom door de LED: (9 V - 2 V) / 470 Ohm = ca. 15 mA."),
        QStringLiteral("Druk op S 1 en de LED brandt; \u00e9\u00e9n weerstand beschermt de LED."),
    };
    return regels.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

QByteArray windows1252(const QString &tekst) {
    // The code page's characters from 0x80 to 0x9F; the rest of 0xA0..0xFF is Latin-1.
    static const QHash<char16_t, char> extra = {
        {u'\u20ac', '\x80'}, {u'\u201a', '\x82'}, {u'\u0192', '\x83'}, {u'\u201e', '\x84'},
        {u'\u2026', '\x85'}, {u'\u2020', '\x86'}, {u'\u2021', '\x87'}, {u'\u02c6', '\x88'},
        {u'\u2030', '\x89'}, {u'\u0160', '\x8a'}, {u'\u2039', '\x8b'}, {u'\u0152', '\x8c'},
        {u'\u017d', '\x8e'}, {u'\u2018', '\x91'}, {u'\u2019', '\x92'}, {u'\u201c', '\x93'},
        {u'\u201d', '\x94'}, {u'\u2022', '\x95'}, {u'\u2013', '\x96'}, {u'\u2014', '\x97'},
        {u'\u02dc', '\x98'}, {u'\u2122', '\x99'}, {u'\u0161', '\x9a'}, {u'\u203a', '\x9b'},
        {u'\u0153', '\x9c'}, {u'\u017e', '\x9e'}, {u'\u0178', '\x9f'},
    };
    QByteArray bytes;
    bytes.reserve(tekst.size());
    for (const QChar c : tekst) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xa0 && u <= 0xff))
            bytes.append(char(u));
        else
            bytes.append(extra.value(u, '?'));
    }
    return bytes;
}

QStringList schrijfProjectBestanden(const QString &projecten, const QString &naam,
                                    const Surface &ontwerp, const Surface &bord,
                                    const QString &lijst) {
    QStringList fouten;
    const QString stam = projecten + QLatin1Char('/') + naam;
    if (!QDir().mkpath(projecten)) return {QStringLiteral("cannot create %1").arg(projecten)};
    if (!ontwerp.saveBmp(stam + QStringLiteral(".ovb"))) fouten << stam + QStringLiteral(".ovb");
    if (!bord.saveBmp(stam + QStringLiteral(".brb"))) fouten << stam + QStringLiteral(".brb");
    QFile dat(stam + QStringLiteral(".dat"));
    const QByteArray bytes = windows1252(lijst);
    if (!dat.open(QIODevice::WriteOnly) || dat.write(bytes) != bytes.size() || !dat.flush())
        fouten << stam + QStringLiteral(".dat");
    for (QString &fout : fouten)
        fout = QStringLiteral("cannot write %1").arg(fout);
    return fouten;
}

QStringList maak(const QString &folder) {
    return schrijfProjectBestanden(folder + QStringLiteral("/Projecten"), kNaam, ontwerpblad(),
                                   breadboard(), componentenlijst());
}

} // namespace VoorbeeldProject
