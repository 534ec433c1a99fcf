#include "VoorbeeldProject.h"

#include "BladPen.h"
#include "board/BoardDrawing.h"
#include "board/Raster.h"
#include "project/ProjectMap.h"

namespace VoorbeeldProject {

using namespace BladPen;

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

QStringList maak(const QString &folder) {
    // Written by the program's own project saving, as a user's project would be.
    const ProjectMap map(folder + QStringLiteral("/Projecten"));
    const ProjectMap::Fout fout =
        map.opslaan(kNaam, ontwerpblad(), breadboard(), componentenlijst());
    if (fout != ProjectMap::Geen)
        return {QStringLiteral("cannot write the example project (%1)").arg(int(fout))};
    return {};
}

} // namespace VoorbeeldProject
