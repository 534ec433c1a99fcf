#include "tools/SegmentDisplay.h"

#include "tools/GetalTekst.h"
#include "ui/Platform.h"

#include <algorithm>
#include <cmath>

SegmentDisplay::SegmentDisplay(Platform &platform) : platform_(platform) {}

void SegmentDisplay::meld() const {
    if (veranderd) veranderd();
}

void SegmentDisplay::zetWachttijd(int seconden) {
    wachttijd_ = std::clamp(seconden, kMinWachttijd, kMaxWachttijd);
    meld();
}

void SegmentDisplay::toonKnop(int knop) {
    if (!knoppenAan_ || knop < 0 || knop >= SegmentTabel::kKnoppen) return;
    houdVast(knop);
}

void SegmentDisplay::houdVast(int knop) {
    plaatje_ = knop;
    // Only switches on: segments of a press that is still holding stay lit.
    for (const int pin : SegmentTabel::pinnenVan(knop))
        aan_[size_t(pin)] = true;
    ++houdt_;
    meld();
    platform_.wacht(wachttijd_);
    --houdt_;
    schakelUit();
}

void SegmentDisplay::schakelUit() {
    for (int pin = 1; pin <= SegmentTabel::kPinnen; ++pin)
        if (SegmentTabel::isSegmentPin(pin)) aan_[size_t(pin)] = false;
    plaatje_ = SegmentTabel::kPlaatjeUit;
    meld();
}

void SegmentDisplay::blokkeer(bool blokkeren) {
    knoppenAan_ = !blokkeren;
    bezig_ = blokkeren;
    meld();
}

void SegmentDisplay::toonSegmentNamen() {
    if (!knoppenAan_) return;
    blokkeer(true);
    plaatje_ = SegmentTabel::kPlaatjeAbc;
    ++houdt_;
    meld();
    platform_.wacht(wachttijd_);
    --houdt_;
    plaatje_ = SegmentTabel::kPlaatjeUit;
    blokkeer(false);
}

void SegmentDisplay::speel() {
    if (!knoppenAan_) return;
    blokkeer(true);
    for (int knop = 1; knop <= SegmentTabel::kDecimalePunt && !gesloten_; ++knop)
        houdVast(knop);
    blokkeer(false);
}

std::optional<QString> SegmentWeerstand(const QString &voeding, const QString &spanning,
                                        const QString &stroom, const QLocale &locale) {
    for (const QString *veld : {&spanning, &stroom})
        if (veld->isEmpty() || *veld == QLatin1String("0")) return std::nullopt;
    const double r = (LeesGetal(voeding) - LeesGetal(spanning)) / (LeesGetal(stroom) / 1000);
    // Shown as the whole number of the pattern "#,###,###", read back as a
    // single-precision number: no group separators, at most 7 significant digits.
    // A value that rounds to 0 shows as " 0"; a current that reads as zero leaves
    // nothing to show.
    const float afgerond = float(std::round(r));
    if (!std::isfinite(afgerond)) return QString();
    return QLatin1Char(' ') + StandaardTekst(double(afgerond), locale, kEnkelCijfers);
}
