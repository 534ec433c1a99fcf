#include "app/TitelAnimatie.h"

#include "ui/Platform.h"

namespace TitelAnimatie {

const QString kStartTekst = QStringLiteral("Klik op het plaatje om te beginnen...");

namespace {

constexpr int kTekstX = 3, kTekstY = 1;
constexpr int kRoodTot = 6, kWitTot = 10; // the bar's bands: rows 0-5, 6-9, 10-15

} // namespace

Surface::TextStyle tekstStijl(QRgb kleur) {
    Surface::TextStyle stijl;
    stijl.family = QStringLiteral("Arial");
    stijl.pointSize = 8;
    stijl.colour = kleur;
    return stijl;
}

Surface startStrook() {
    Surface strook(kBreedte, kHoogte, kAchtergrond);
    strook.drawText(kTekstX, kTekstY, kStartTekst, tekstStijl());
    return strook;
}

int balkWaarde(int x) {
    // x / 2 + 130 has a half exactly for odd x; such a half goes to the even neighbour.
    const int heel = x / 2 + 130;
    if (x % 2 == 0) return heel;
    return heel % 2 == 0 ? heel : heel + 1;
}

namespace {

// Every step is drawn; only the waits go once the user asked to skip, so the strip
// ends as the whole animation leaves it.
void wacht(Platform &platform, double seconden, const bool *overslaan) {
    if (!overslaan || !*overslaan) platform.wait(seconden);
}

} // namespace

void vervaagTekst(Surface &strook, Platform &platform, const bool *overslaan) {
    for (int g = kLichtste; g >= kDonkerste; --g) {
        strook.drawText(kTekstX, kTekstY, kStartTekst, tekstStijl(grey(g)));
        wacht(platform, kStapTijd, overslaan);
    }
}

void groeiBalk(Surface &strook, Platform &platform, const bool *overslaan) {
    for (int x = 0; x <= kBreedte; ++x) {
        const int c = balkWaarde(x);
        strook.drawLine(x, 0, x, kRoodTot, qRgb(c, 0, 0));
        strook.drawLine(x, kRoodTot, x, kWitTot, grey(c));
        strook.drawLine(x, kWitTot, x, kHoogte, qRgb(0, 0, c));
        wacht(platform, kStapTijd, overslaan);
    }
}

void speel(Surface &strook, Platform &platform, const bool *overslaan) {
    vervaagTekst(strook, platform, overslaan);
    groeiBalk(strook, platform, overslaan);
    wacht(platform, kSlotTijd, overslaan);
}

} // namespace TitelAnimatie
