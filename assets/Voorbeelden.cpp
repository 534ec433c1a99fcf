#include "Voorbeelden.h"

#include "BladPen.h"
#include "board/BoardDrawing.h"
#include "board/Raster.h"
#include "project/ProjectMap.h"

#include <QHash>

namespace Voorbeelden {

namespace {

const QString kRood = QStringLiteral("Rood"), kZwart = QStringLiteral("Zwart");

// A schematic written as rows of short codes, one a raster place from place (1, 1):
// "." is empty, a code with "v" behind it stands turned.
QVector<Blok> schema(const QStringList &rijen, const QVector<Blok> &labels) {
    static const QHash<QString, QString> kCodes = {
        {QStringLiteral("r"), QStringLiteral("Hoek rechts-onder")},
        {QStringLiteral("l"), QStringLiteral("Hoek links-onder")},
        {QStringLiteral("L"), QStringLiteral("Hoek rechts-boven")},
        {QStringLiteral("J"), QStringLiteral("Hoek links-boven")},
        {QStringLiteral("-"), QStringLiteral("Draad horizontaal")},
        {QStringLiteral("|"), QStringLiteral("Draad verticaal")},
        {QStringLiteral("T"), QStringLiteral("T-splitsing onder")},
        {QStringLiteral("t"), QStringLiteral("T-splitsing boven")},
        {QStringLiteral("E"), QStringLiteral("T-splitsing rechts")},
        {QStringLiteral("B"), QStringLiteral("Batterij")},
        {QStringLiteral("R"), QStringLiteral("Weerstand")},
        {QStringLiteral("D"), QStringLiteral("LED rood")},
        {QStringLiteral("G"), QStringLiteral("LED groen")},
        {QStringLiteral("S"), QStringLiteral("Schakelaar")},
        {QStringLiteral("K"), QStringLiteral("Drukknop")},
        {QStringLiteral("H"), QStringLiteral("Lamp")},
        {QStringLiteral("Q"), QStringLiteral("Transistor NPN")},
        {QStringLiteral("P"), QStringLiteral("LDR")},
    };
    QVector<Blok> blokken = labels;
    for (int rij = 0; rij < rijen.size(); ++rij) {
        const QStringList codes = rijen[rij].split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (int kolom = 0; kolom < codes.size(); ++kolom) {
            QString code = codes[kolom];
            const bool gedraaid = code.size() > 1 && code.endsWith(QLatin1Char('v'));
            if (gedraaid) code.chop(1);
            if (kCodes.contains(code))
                blokken.append({kolom + 1, rij + 1, kCodes.value(code), gedraaid});
        }
    }
    return blokken;
}

Blok label(int kolom, int rij, const QString &tekst) {
    return {kolom, rij, {}, false, tekst};
}

// Every example draws its battery the same way: the clip's legs in column 1 and 2 of
// the upper block, red to the plus rail X, black to the minus rail Y.
QVector<Draad> metBatterij(QVector<Draad> draden) {
    draden.prepend({{1, 2}, {0, 15}, kZwart});
    draden.prepend({{0, 2}, {0, 0}, kRood});
    return draden;
}

QVector<Onderdeel> metClip(QVector<Onderdeel> onderdelen) {
    onderdelen.prepend({QStringLiteral("Batterijclip 9V"), 0, 6});
    return onderdelen;
}

const QString kB1 = QStringLiteral("B 1   Batterij 9 V met clip");

Voorbeeld ledMetWeerstand() {
    return {QStringLiteral("1 LED met weerstand"),
            QStringLiteral("LED met voorschakelweerstand"),
            schema({"r - R l", "Bv . . Dv", "L - - J"},
                   {label(0, 2, "B 1"), label(3, 0, "R 1"), label(5, 2, "D 1")}),
            metClip({{QStringLiteral("Weerstand 470 Ohm"), 3, 10},
                     {QStringLiteral("LED rood"), 7, 12}}),
            metBatterij({{{3, 0}, {3, 9}, kRood}, {{8, 13}, {8, 15}, kZwart}}),
            {kB1, QStringLiteral("R 1   Weerstand 470 Ohm (geel, violet, bruin)"),
             QStringLiteral("D 1   LED rood, 5 mm")},
            {QStringLiteral("De weerstand R 1 begrenst de stroom door de LED."),
             QStringLiteral("Stroom: (9 V - 2 V) / 470 Ohm = ca. 15 mA."),
             QStringLiteral("De lange poot van de LED (anode) gaat naar de plus.")}};
}

Voorbeeld ledsInSerie() {
    return {
        QStringLiteral("2 Twee LEDs in serie"),
        QStringLiteral("Twee LEDs in serie"),
        schema({"r - R - l", "Bv . . . Dv", "| . . . Gv", "L - - - J"},
               {label(0, 2, "B 1"), label(3, 0, "R 1"), label(6, 2, "D 1"), label(6, 3, "D 2")}),
        metClip({{QStringLiteral("Weerstand 470 Ohm"), 3, 10},
                 {QStringLiteral("LED rood"), 7, 12},
                 {QStringLiteral("LED groen"), 8, 9}}),
        metBatterij({{{3, 0}, {3, 9}, kRood}, {{9, 13}, {9, 15}, kZwart}}),
        {kB1, QStringLiteral("R 1   Weerstand 470 Ohm"), QStringLiteral("D 1   LED rood, 5 mm"),
         QStringLiteral("D 2   LED groen, 5 mm")},
        {QStringLiteral("Dezelfde stroom gaat door beide LEDs."),
         QStringLiteral("Elke LED neemt ca. 2 V: (9 V - 4 V) / 470 Ohm = ca. 10 mA."),
         QStringLiteral("Gaat er een LED stuk, dan gaan ze allebei uit.")}};
}

Voorbeeld ledsParallel() {
    return {QStringLiteral("3 Twee LEDs parallel"),
            QStringLiteral("Twee LEDs parallel"),
            schema({"r - T - l", "Bv . Rv . Rv", "| . Dv . Gv", "L - t - J"},
                   {label(0, 2, "B 1"), label(4, 2, "R 1"), label(4, 3, "D 1"), label(6, 2, "R 2"),
                    label(6, 3, "D 2")}),
            metClip({{QStringLiteral("Weerstand 470 Ohm"), 3, 10},
                     {QStringLiteral("LED rood"), 7, 12},
                     {QStringLiteral("Weerstand 470 Ohm"), 13, 10},
                     {QStringLiteral("LED groen"), 17, 12}}),
            metBatterij({{{3, 0}, {3, 9}, kRood},
                         {{8, 13}, {8, 15}, kZwart},
                         {{13, 0}, {13, 9}, kRood},
                         {{18, 13}, {18, 15}, kZwart}}),
            {kB1, QStringLiteral("R 1   Weerstand 470 Ohm"),
             QStringLiteral("R 2   Weerstand 470 Ohm"), QStringLiteral("D 1   LED rood, 5 mm"),
             QStringLiteral("D 2   LED groen, 5 mm")},
            {QStringLiteral("Elke LED heeft haar eigen weerstand."),
             QStringLiteral("Beide takken krijgen de volle 9 V."),
             QStringLiteral("Gaat er een LED stuk, dan brandt de andere door.")}};
}

Voorbeeld schakelaarEnLamp() {
    return {
        QStringLiteral("4 Schakelaar en lamp"),
        QStringLiteral("Schakelaar en lamp"),
        schema({"r - S l", "Bv . . Hv", "L - - J"},
               {label(0, 2, "B 1"), label(3, 0, "S 1"), label(5, 2, "H 1")}),
        metClip({{QStringLiteral("Schuifschakelaar"), 2, 12}, {QStringLiteral("Lampje"), 8, 12}}),
        metBatterij({{{3, 0}, {3, 9}, kRood},
                     {{4, 9}, {8, 9}, QStringLiteral("Geel")},
                     {{9, 13}, {9, 15}, kZwart}}),
        {kB1, QStringLiteral("S 1   Schuifschakelaar, 3 pootjes"),
         QStringLiteral("H 1   Lampje 9 V, 50 mA")},
        {QStringLiteral("De schakelaar sluit de kring: dan brandt de lamp."),
         QStringLiteral("De middelste poot van S 1 gaat naar de plus."),
         QStringLiteral("Een lampje heeft geen voorschakelweerstand nodig.")}};
}

Voorbeeld drukknopMetPullDown() {
    return {
        QStringLiteral("5 Drukknop met pull-down"),
        QStringLiteral("Drukknop met pull-down weerstand"),
        schema({"r - K T - l", "Bv . . Rv . Rv", "| . . | . Dv", "L - - t - J"},
               {label(0, 2, "B 1"), label(3, 0, "S 1"), label(5, 2, "R 1"), label(7, 2, "R 2"),
                label(7, 3, "D 1")}),
        metClip({{QStringLiteral("Drukknop"), 3, 6},
                 {QStringLiteral("Weerstand 10K"), 1, 10},
                 {QStringLiteral("Weerstand 470 Ohm"), 5, 11},
                 {QStringLiteral("LED rood"), 9, 9}}),
        metBatterij(
            {{{3, 0}, {3, 2}, kRood}, {{1, 13}, {1, 15}, kZwart}, {{10, 13}, {10, 15}, kZwart}}),
        {kB1, QStringLiteral("S 1   Drukknop"),
         QStringLiteral("R 1   Weerstand 10 kOhm (pull-down)"),
         QStringLiteral("R 2   Weerstand 470 Ohm"), QStringLiteral("D 1   LED rood, 5 mm")},
        {QStringLiteral("Zonder druk trekt R 1 het punt achter S 1 naar 0 V."),
         QStringLiteral("Druk op S 1: het punt wordt 9 V en de LED brandt."),
         QStringLiteral("Zo zweeft een ingang nooit.")}};
}

Voorbeeld transistorAlsSchakelaar() {
    return {
        QStringLiteral("6 Transistor als schakelaar"),
        QStringLiteral("Transistor als schakelaar"),
        schema({"r - T - l", "| . | . Rv", "Bv . | . Dv", "| . L R Q", "| . . . |", "L - - - J"},
               {label(0, 3, "B 1"), label(4, 5, "R 1"), label(6, 2, "R 2"), label(6, 3, "D 1"),
                label(6, 4, "T 1")}),
        metClip({{QStringLiteral("Weerstand 470 Ohm"), 3, 10},
                 {QStringLiteral("Transistor BC547"), 8, 9},
                 {QStringLiteral("LED rood"), 7, 13},
                 {QStringLiteral("Weerstand 10K"), 9, 11}}),
        metBatterij(
            {{{3, 0}, {3, 9}, kRood}, {{13, 0}, {13, 9}, kRood}, {{10, 13}, {10, 15}, kZwart}}),
        {kB1, QStringLiteral("R 1   Weerstand 10 kOhm"), QStringLiteral("R 2   Weerstand 470 Ohm"),
         QStringLiteral("D 1   LED rood, 5 mm"),
         QStringLiteral("T 1   Transistor BC547 (C, B, E van links)")},
        {QStringLiteral("Een kleine stroom door R 1 opent de transistor T 1."),
         QStringLiteral("Dan loopt er een grotere stroom door D 1 en R 2."),
         QStringLiteral("Haal de rode draad naar R 1 weg en de LED gaat uit.")}};
}

Voorbeeld ldrNachtlampje() {
    return {
        QStringLiteral("7 LDR nachtlampje"),
        QStringLiteral("Nachtlampje met LDR"),
        schema({"r - T - l", "| . Rv . Rv", "Bv . | . Dv", "| . E - Q", "| . Pv . |", "L - t - J"},
               {label(2, 2, "R 1"), label(0, 3, "B 1"), label(2, 5, "R 3"), label(6, 2, "R 2"),
                label(6, 3, "D 1"), label(6, 4, "T 1")}),
        metClip({{QStringLiteral("Weerstand 470 Ohm"), 3, 10},
                 {QStringLiteral("Transistor BC547"), 8, 9},
                 {QStringLiteral("LED rood"), 7, 13},
                 {QStringLiteral("Weerstand 10K"), 9, 10},
                 {QStringLiteral("LDR"), 9, 12}}),
        metBatterij(
            {{{3, 0}, {3, 9}, kRood}, {{13, 0}, {13, 9}, kRood}, {{10, 13}, {10, 15}, kZwart}}),
        {kB1, QStringLiteral("R 1   Weerstand 10 kOhm"), QStringLiteral("R 2   Weerstand 470 Ohm"),
         QStringLiteral("R 3   LDR"), QStringLiteral("D 1   LED rood, 5 mm"),
         QStringLiteral("T 1   Transistor BC547 (C, B, E van links)")},
        {QStringLiteral("In het licht is de LDR laag: de basis blijft op 0 V."),
         QStringLiteral("In het donker wordt de LDR hoog en opent R 1 de transistor."),
         QStringLiteral("Dan brandt de LED: een nachtlampje.")}};
}

} // namespace

QVector<Voorbeeld> alle() {
    return {ledMetWeerstand(),  ledsInSerie(),         ledsParallel(),
            schakelaarEnLamp(), drukknopMetPullDown(), transistorAlsSchakelaar(),
            ldrNachtlampje()};
}

Surface ontwerpblad(const Voorbeeld &voorbeeld, int rasterGrijs) {
    Surface blad(kOntwerpblad.width(), kOntwerpblad.height());
    tekenRasterLijnen(blad, rasterGrijs);
    for (const Blok &blok : voorbeeld.blad) {
        const Surface beeld = blok.symbool.isEmpty() ? BladPen::tekstBlok(blok.tekst)
                                                     : BladPen::symbool(blok.symbool);
        BladPen::plaats(blad, blok.kolom, blok.rij,
                        blok.gedraaid ? BladPen::gedraaid(beeld) : beeld);
    }
    return blad;
}

QRect schakeling(const Voorbeeld &voorbeeld) {
    QRect plaatsen;
    for (const Blok &blok : voorbeeld.blad)
        plaatsen |= QRect(blok.kolom, blok.rij, 1, 1);
    return {plaatsen.x() * kBlok, plaatsen.y() * kBlok, plaatsen.width() * kBlok + 1,
            plaatsen.height() * kBlok + 1};
}

Surface breadboard(const Voorbeeld &voorbeeld) {
    Surface bord(kBreadboard.width(), kBreadboard.height());
    TekenKleinBord(bord);
    for (const Onderdeel &onderdeel : voorbeeld.onderdelen)
        BladPen::stempel(bord, onderdeel.naam, onderdeel.k, onderdeel.m);
    for (const Draad &draad : voorbeeld.draden)
        BladPen::draad(bord, BladPen::contact(draad.van.x(), draad.van.y()),
                       BladPen::contact(draad.tot.x(), draad.tot.y()), draad.kleur);
    BladPen::tekst(bord, 20, 128, QStringLiteral("+9 V"), kRood, 10);
    BladPen::tekst(bord, 20, 428, QStringLiteral("0 V"), kZwart, 10);
    BladPen::tekst(bord, 110, 30, QStringLiteral("Voorbeeld: ") + voorbeeld.titel,
                   QStringLiteral("Blauw"), 14);
    return bord;
}

QString componentenlijst(const Voorbeeld &voorbeeld) {
    const QStringList regels =
        QStringList{QStringLiteral("Componentenlijst"), QString(28, QLatin1Char('-'))} +
        voorbeeld.onderdelenLijst + QStringList{QString()} + voorbeeld.uitleg;
    return regels.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

QStringList maak(const QString &folder) {
    // Written by the program's own project saving, as a user's project would be.
    const ProjectMap map(folder + QStringLiteral("/Voorbeelden"));
    QStringList fouten;
    for (const Voorbeeld &voorbeeld : alle()) {
        const ProjectMap::Fout fout =
            map.opslaan(voorbeeld.naam, ontwerpblad(voorbeeld), breadboard(voorbeeld),
                        componentenlijst(voorbeeld));
        if (fout != ProjectMap::Geen)
            fouten << QStringLiteral("cannot write the example %1 (%2)")
                          .arg(voorbeeld.naam)
                          .arg(int(fout));
    }
    return fouten;
}

} // namespace Voorbeelden
