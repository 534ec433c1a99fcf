#include "tools/LedCalcModel.h"

#include "tools/GetalTekst.h"

#include <algorithm>
#include <cmath>

namespace {

// Far enough beyond the picture's right edge for any part placed there to be out of
// sight, and small enough to hold for any count of LEDs.
constexpr double kVerstePlaats = 10000;

int plaats(double x) {
    return int(std::min(x, kVerstePlaats));
}

// A count that places the wires and the ground mark: a whole number from 1 up.
bool isHeelAantal(double aantal) {
    return std::isfinite(aantal) && aantal >= 1 && aantal == std::floor(aantal);
}

bool stoptBerekening(const QString &veld) {
    return veld.isEmpty() || veld == QLatin1String("0");
}

// The LED pictures i = 1, 2 ... up to the count rounded to the nearest whole number
// (halves to even), at x = stap × i + begin; only those that start inside the
// picture are drawn, however large the count.
QVector<QPoint> ledRij(double aantal, int stap, int begin, int top) {
    QVector<QPoint> leds;
    const double laatste = std::nearbyint(aantal);
    for (int i = 1; i <= laatste && stap * i + begin < kSchemaMaat.width(); ++i)
        leds.append(QPoint(stap * i + begin, top));
    return leds;
}

} // namespace

LedCalcModel::LedCalcModel(const QLocale &locale) : locale_(locale) {
    schema_.massaTekst = QPoint(204, 95);
    kiesModus(LedModus::Single);
}

void LedCalcModel::kiesModus(LedModus modus) {
    modus_ = modus;
    wisUitkomst();
    const bool parallel = modus == LedModus::Parallel;
    schema_.soort = parallel ? LedSchema::Led::Liggend : LedSchema::Led::Staand;
    schema_.leds = {parallel ? QPoint(150, 103) : QPoint(140, 61)};
    schema_.draad = parallel ? QLine(158, 153, 194, 153) : QLine(190, 102, 194, 102);
    schema_.massaPunt = parallel ? QPoint(187, 150) : QPoint(187, 98);
    // The ground label keeps its place sideways; only its height follows the mode.
    schema_.massaTekst.setY(parallel ? 160 : 95);
    schema_.massaDraadZichtbaar = parallel;
    schema_.massaDraad = QLine(158, 400, 168, 400); // out of sight until a calculation
}

void LedCalcModel::bereken(const LedInvoer &invoer) {
    // In Single the count field is hidden, so what was typed there earlier must not
    // stop or change a single LED's calculation.
    const bool telAantal = modus_ != LedModus::Single;
    if (stoptBerekening(invoer.voeding) || stoptBerekening(invoer.ledSpanning) ||
        stoptBerekening(invoer.ledStroom) || (telAantal && stoptBerekening(invoer.aantal)))
        return;
    const Getallen g{LeesGetal(invoer.voeding), LeesGetal(invoer.ledSpanning),
                     LeesGetal(invoer.ledStroom), LeesGetal(invoer.aantal)};
    schema_.leds.clear();
    switch (modus_) {
    case LedModus::Single:
        berekenSingle(g);
        break;
    case LedModus::Parallel:
        berekenParallel(g);
        break;
    case LedModus::Serie:
        berekenSerie(g);
        break;
    }
}

void LedCalcModel::berekenSingle(const Getallen &g) {
    // The supply test is made in single precision, as the LED voltage is held.
    if (float(g.vs) < float(g.vf)) {
        wisUitkomst();
        return;
    }
    toonUitkomst(g.stroom / 1000, (g.vs - g.vf) / (g.stroom / 1000), g.vs * g.stroom / 1000,
                 g.stroom / 1000);
    schema_.leds = {QPoint(140, 61)};
    schema_.massaPunt = QPoint(187, 98);
    schema_.massaTekst = QPoint(204, 95);
}

void LedCalcModel::berekenParallel(const Getallen &g) {
    // No supply test here: a supply below the LED voltage shows a negative resistor.
    const double deler = g.aantal * g.stroom / 1000;
    toonUitkomst(deler, (g.vs - g.vf) / deler, g.vs * deler, g.stroom * g.aantal / 1000);
    schema_.leds = ledRij(g.aantal, 50, 100, 103);
    if (!isHeelAantal(g.aantal)) return;
    schema_.draad = QLine(150, 102, plaats(50 * g.aantal + 109), 102);
    if (g.aantal == 1) {
        schema_.massaDraad = QLine(158, 153, 189, 153);
        schema_.massaPunt = QPoint(187, 150);
        schema_.massaTekst = QPoint(204, 160);
    } else {
        const int x = plaats(60 * g.aantal + 100);
        schema_.massaDraad = QLine(158, 153, x, 153);
        schema_.massaPunt = QPoint(x, 150);
        schema_.massaTekst = QPoint(x, 160);
    }
}

void LedCalcModel::berekenSerie(const Getallen &g) {
    const float totaal = float(g.aantal * g.vf);
    if (float(g.vs) < totaal) {
        wisUitkomst();
        return;
    }
    toonUitkomst(g.stroom / 1000, (g.vs - double(totaal)) / (g.stroom / 1000),
                 g.vs * g.stroom / 1000, g.stroom / 1000);
    schema_.leds = ledRij(g.aantal, 50, 90, 61);
    if (!isHeelAantal(g.aantal)) return;
    const int x = plaats(50 * g.aantal + 140);
    schema_.massaPunt = QPoint(x, 98);
    schema_.massaTekst = QPoint(x, 95);
}

void LedCalcModel::toonUitkomst(double deler, double weerstand, double watt, double ampere) {
    // A current or count that reads as zero ("0.0", "abc") leaves nothing to divide
    // by, and a number too large to hold has no answer either: the results stay empty
    // rather than showing "inf" or "nan".
    if (deler == 0 || !std::isfinite(weerstand) || !std::isfinite(watt) || !std::isfinite(ampere)) {
        wisUitkomst();
        return;
    }
    uitkomst_.weerstandTekst = GetalPatroon(weerstand, locale_);
    uitkomst_.wattTekst = StandaardTekst(watt, locale_);
    uitkomst_.stroomTekst = StandaardTekst(ampere, locale_);
}

void LedCalcModel::wisUitkomst() {
    uitkomst_ = LedUitkomst{};
}
