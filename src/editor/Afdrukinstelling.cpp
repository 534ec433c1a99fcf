#include "editor/Afdrukinstelling.h"

#include "ui/AppFolder.h"
#include "ui/RegelBestand.h"

namespace {

// 20 sheet pixels are 0.1 inch, 144 twips.
constexpr qreal kTwipsPerPixel = 144.0 / 20;

} // namespace

Plaatsing plaatsing(QSize blad, QRect vak, Schikking schikking) {
    const QRect heel(QPoint(0, 0), blad);
    if (blad.isEmpty()) return {heel, QRectF(vak.topLeft(), QSizeF(0, 0))};
    switch (schikking) {
    case Schikking::Uitgerekt:
        break;
    case Schikking::VerhoudingBehouden: {
        const QSizeF maat = QSizeF(blad).scaled(QSizeF(vak.size()), Qt::KeepAspectRatio);
        QRectF doel(QPointF(0, 0), maat);
        doel.moveCenter(QRectF(vak).center());
        return {heel, doel};
    }
    case Schikking::WareGrootte: {
        const QSize past(std::min(blad.width(), int(vak.width() / kTwipsPerPixel)),
                         std::min(blad.height(), int(vak.height() / kTwipsPerPixel)));
        return {QRect(QPoint(0, 0), past), QRectF(vak.topLeft(), QSizeF(past) * kTwipsPerPixel)};
    }
    }
    return {heel, QRectF(vak)};
}

const QStringList &Afdrukinstelling::schikkingNamen() {
    static const QStringList namen = {QStringLiteral("Uitgerekt"),
                                      QStringLiteral("Verhouding behouden"),
                                      QStringLiteral("Ware grootte")};
    return namen;
}

const QStringList &Afdrukinstelling::richtingNamen() {
    static const QStringList namen = {QStringLiteral("Liggend"), QStringLiteral("Staand")};
    return namen;
}

Afdrukinstelling Afdrukinstelling::lees(const AppFolder &map) {
    const QStringList regels = RegelBestand::lees(map.afdrukken());
    Afdrukinstelling instelling;
    if (const auto i = schikkingNamen().indexOf(regels.value(0)); i >= 0)
        instelling.schikking = Schikking(i);
    instelling.staand = regels.value(1) == richtingNamen()[1];
    return instelling;
}

bool Afdrukinstelling::schrijf(const AppFolder &map) const {
    return RegelBestand::schrijf(map.afdrukken(),
                                 {schikkingNamen()[int(schikking)], richtingNamen()[int(staand)]});
}
