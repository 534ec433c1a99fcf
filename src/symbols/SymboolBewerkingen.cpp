#include "symbols/SymboolBewerkingen.h"

#include "symbols/Symbool.h"

#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace SymboolBewerkingen {

namespace {

constexpr int kMidden = kSymboolGrootte / 2;
constexpr int kLaatste = kSymboolGrootte - 1;

} // namespace

void VulIcon(Surface &tekening, QRgb kleur) {
    tekening.fillBox(0, 0, kLaatste, kLaatste, kleur);
}

void TekenVierkant(Surface &tekening, int s, QRgb kleur) {
    tekening.drawBox(kMidden - s, kMidden - s, kMidden + s, kMidden + s, kleur);
}

void TekenCirkel(Surface &tekening, int r, QRgb kleur) {
    tekening.setDrawMode(Surface::DrawMode::Copy);
    tekening.drawCircle(kMidden, kMidden, r, kleur);
}

// The designer turns and mirrors as the main window does its current symbol.
void DraaiIcon(Surface &tekening) {
    draaiKwartslag(tekening);
}

void SpiegelIcon(Surface &tekening) {
    spiegelLinksRechts(tekening);
}

void SchuifLinks(Surface &tekening) {
    tekening.copyFrom(tekening, QRect(1, 0, kLaatste, kSymboolGrootte), QPoint(0, 0));
    tekening.fillBox(kLaatste, 0, kLaatste, kLaatste, Surface::kWhite);
}

void SchuifRechts(Surface &tekening) {
    tekening.copyFrom(tekening, QRect(0, 0, kLaatste, kSymboolGrootte), QPoint(1, 0));
    tekening.fillBox(0, 0, 0, kLaatste, Surface::kWhite);
}

void SchuifOmhoog(Surface &tekening) {
    tekening.copyFrom(tekening, QRect(0, 1, kSymboolGrootte, kLaatste), QPoint(0, 0));
    tekening.fillBox(0, kLaatste, kLaatste, kLaatste, Surface::kWhite);
}

void SchuifOmlaag(Surface &tekening) {
    tekening.copyFrom(tekening, QRect(0, 0, kSymboolGrootte, kLaatste), QPoint(0, 1));
    tekening.fillBox(0, 0, kLaatste, 0, Surface::kWhite);
}

void NegatiefIcon(Surface &tekening) {
    // Inverting every bit of a channel is 255 minus its value.
    const Surface::DrawMode modus = tekening.drawMode();
    tekening.setDrawMode(Surface::DrawMode::Invert);
    tekening.fillBox(0, 0, kLaatste, kLaatste, Surface::kWhite);
    tekening.setDrawMode(modus);
}

std::optional<int> leesMaat(const QString &antwoord) {
    // Only plain ASCII digits: no locale, no group separators, no "inf" or "nan".
    static const QRegularExpression getal(
        QStringLiteral("^[+-]?([0-9]+(\\.[0-9]*)?|\\.[0-9]+)([eE][+-]?[0-9]+)?$"));
    const QString tekst = antwoord.trimmed();
    if (!getal.match(tekst).hasMatch()) return std::nullopt;
    bool ok = false;
    const double waarde = QLocale::c().toDouble(tekst, &ok);
    if (!ok || !std::isfinite(waarde) || std::abs(waarde) > 1e6) return std::nullopt;
    const double heel = std::floor(waarde), rest = waarde - heel;
    double afgerond = rest < 0.5 ? heel : heel + 1;
    if (rest == 0.5 && std::fmod(heel, 2) == 0) afgerond = heel;
    const int maat = int(afgerond);
    if (maat < kKleinsteMaat || maat > kGrootsteMaat) return std::nullopt;
    return maat;
}

} // namespace SymboolBewerkingen
