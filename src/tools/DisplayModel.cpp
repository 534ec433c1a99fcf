#include "tools/DisplayModel.h"

#include "tools/GetalTekst.h"
#include "ui/Platform.h"

#include <algorithm>
#include <cmath>

DisplayModel::DisplayModel(Platform &platform) : platform_(platform) {}

void DisplayModel::meld() const {
    if (veranderd) veranderd();
}

void DisplayModel::zetWachttijd(int seconden) {
    wachttijd_ = std::clamp(seconden, kMinWachttijd, kMaxWachttijd);
    meld();
}

void DisplayModel::toonKnop(int knop) {
    if (!knoppenAan_ || knop < 0 || knop >= SegmentTabel::kKnoppen) return;
    houdVast(knop);
}

void DisplayModel::houdVast(int knop) {
    plaatje_ = knop;
    // Only switches on: segments of a press that is still holding stay lit.
    for (const int pin : SegmentTabel::pinnenVan(knop))
        aan_[size_t(pin)] = true;
    ++houdt_;
    meld();
    platform_.wait(wachttijd_);
    --houdt_;
    schakelUit();
}

void DisplayModel::schakelUit() {
    for (int pin = 1; pin <= SegmentTabel::kPinnen; ++pin)
        if (SegmentTabel::isSegmentPin(pin)) aan_[size_t(pin)] = false;
    plaatje_ = SegmentTabel::kPlaatjeUit;
    meld();
}

void DisplayModel::blokkeer(bool blokkeren) {
    knoppenAan_ = !blokkeren;
    bezig_ = blokkeren;
    meld();
}

void DisplayModel::toonSegmentNamen() {
    if (!knoppenAan_) return;
    blokkeer(true);
    plaatje_ = SegmentTabel::kPlaatjeAbc;
    ++houdt_;
    meld();
    platform_.wait(wachttijd_);
    --houdt_;
    plaatje_ = SegmentTabel::kPlaatjeUit;
    blokkeer(false);
}

void DisplayModel::speel() {
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
