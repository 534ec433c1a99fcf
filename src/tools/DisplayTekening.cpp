#include "tools/DisplayTekening.h"

#include "tools/DisplayModel.h"
#include "tools/SegmentTabel.h"
#include "ui/Twips.h"

namespace {

constexpr QRgb kBehuizing = qRgb(32, 32, 32);
constexpr QRgb kLetter = qRgb(255, 255, 160);
constexpr QRgb kOker = qRgb(204, 153, 51);

struct SegmentVlak {
    char segment;
    QRect vlak;
    QPoint letter; // where its letter stands on the picture with the names
};

const std::array<SegmentVlak, 8> &segmentVlakken() {
    static const std::array<SegmentVlak, 8> vlakken{{
        {'a', QRect(QPoint(22, 12), QPoint(62, 18)), QPoint(38, 20)},
        {'b', QRect(QPoint(64, 20), QPoint(70, 57)), QPoint(52, 32)},
        {'c', QRect(QPoint(64, 65), QPoint(70, 102)), QPoint(52, 78)},
        {'d', QRect(QPoint(22, 104), QPoint(62, 110)), QPoint(38, 89)},
        {'e', QRect(QPoint(14, 65), QPoint(20, 102)), QPoint(24, 78)},
        {'f', QRect(QPoint(14, 20), QPoint(20, 57)), QPoint(24, 32)},
        {'g', QRect(QPoint(22, 58), QPoint(62, 64)), QPoint(38, 44)},
        {'p', QRect(QPoint(75, 104), QPoint(81, 110)), QPoint()},
    }};
    return vlakken;
}

QPoint inPixels(int x, int y) {
    return {twipsToPixels(x), twipsToPixels(y)};
}

void tekenDraad(Surface &bord, const QLine &twips, QRgb kleur) {
    const QPoint van = inPixels(twips.x1(), twips.y1()), tot = inPixels(twips.x2(), twips.y2());
    bord.drawLine(van.x(), van.y(), tot.x(), tot.y(), kleur);
}

QRgb draadKleur(const DisplayModel &display, int pin, int stuk) {
    if (!SegmentTabel::isSegmentPin(pin)) return kDraadGemeen;
    // The piece from the resistor to the supply rail always carries the supply.
    if (stuk >= 3) return kDraadAan;
    return display.pinAan(pin) ? kDraadAan : kDraadUit;
}

} // namespace

QPoint segmentMidden(char segment) {
    for (const SegmentVlak &s : segmentVlakken())
        if (s.segment == segment) return s.vlak.center();
    return {};
}

Surface DisplayPlaatje(int plaatje) {
    Surface display(kDisplayMaat.width(), kDisplayMaat.height(), kBehuizing);
    const QString aan = SegmentTabel::segmentenVan(plaatje);
    for (const SegmentVlak &s : segmentVlakken()) {
        const QRgb kleur = aan.contains(QLatin1Char(s.segment)) ? kSegmentAan : kSegmentUit;
        display.fillBox(s.vlak.left(), s.vlak.top(), s.vlak.right(), s.vlak.bottom(), kleur);
    }
    if (plaatje == SegmentTabel::kPlaatjeAbc) {
        Surface::TextStyle letter;
        letter.pointSize = 8;
        letter.bold = true;
        letter.colour = kLetter;
        for (const SegmentVlak &s : segmentVlakken())
            if (s.segment != 'p')
                display.drawText(s.letter.x(), s.letter.y(),
                                 QString(QLatin1Char(s.segment)).toUpper(), letter);
    }
    return display;
}

Surface WeerstandPlaatje(bool aan, QRgb achtergrond) {
    Surface weerstand(kWeerstandjeMaat.width(), kWeerstandjeMaat.height(), achtergrond);
    const QRgb draad = aan ? kDraadAan : kDraadUit;
    // The leads lie at the height where the wires meet the resistor column.
    weerstand.fillBox(0, 6, 21, 7, draad);
    weerstand.fillBox(58, 6, 79, 7, draad);
    weerstand.fillBox(22, 2, 57, 11, kOker);
    weerstand.drawBox(22, 2, 57, 11, qRgb(120, 80, 20));
    return weerstand;
}

void TekenDisplayBord(Surface &bord, const DisplayModel &display, QRgb achtergrond) {
    bord.setBackground(achtergrond);
    bord.clear();
    bord.setLineWidth(2);
    for (int pin = 1; pin <= SegmentTabel::kPinnen; ++pin) {
        const QVector<QLine> &stukken = SegmentTabel::draad(pin);
        for (int stuk = 0; stuk < stukken.size(); ++stuk)
            tekenDraad(bord, stukken[stuk], draadKleur(display, pin, stuk));
    }
    for (const QLine &rail : SegmentTabel::stijglijn())
        tekenDraad(bord, rail, kDraadAan);
    bord.setLineWidth(1);
    for (int pin = 1; pin <= SegmentTabel::kPinnen; ++pin) {
        if (!SegmentTabel::isSegmentPin(pin)) continue;
        const QRect twips = SegmentTabel::weerstandPlaats(pin);
        const Surface weerstand = WeerstandPlaatje(display.pinAan(pin), achtergrond);
        bord.copyFrom(weerstand, weerstand.rect(), inPixels(twips.x(), twips.y()));
    }
    const Surface plaatje = DisplayPlaatje(display.plaatje());
    bord.copyFrom(plaatje, plaatje.rect(), kDisplayPlaats);
}
